// Keyboard shortcuts: Ctrl tracking, first registered match wins, released handlers are dropped.
#include "ui/KeyEventProcessor.h"

#include <boost/bind/bind.hpp>
#include <gtest/gtest.h>
#include <wx/defs.h>

namespace {

class Shortcuts : public ::testing::Test {
protected:
    boost::shared_ptr<CKeyEventHandler> Add(bool ctrl, int key, int* counter)
    {
        boost::shared_ptr<CKeyEventHandler> handler = processor.AddHandler(ctrl, key);
        handler->SetCallback([counter] { ++*counter; });
        return handler;
    }

    CKeyEventProcessor processor;
    int addFiles = 0, split = 0, help = 0, remove = 0;
};

} // namespace

TEST_F(Shortcuts, ALetterAloneDoesNothing)
{
    auto ctrlO = Add(true, 'O', &addFiles);
    EXPECT_FALSE(processor.OnKeyDown('O'));
    EXPECT_EQ(0, addFiles);
}

TEST_F(Shortcuts, CtrlThenLetterRunsOnceAndCtrlMustBePressedAgain)
{
    auto ctrlO = Add(true, 'O', &addFiles);
    EXPECT_FALSE(processor.OnKeyDown(WXK_CONTROL));
    EXPECT_TRUE(processor.OnKeyDown('O'));
    EXPECT_EQ(1, addFiles);
    EXPECT_FALSE(processor.OnKeyDown('O'));
    EXPECT_EQ(1, addFiles);
    processor.OnKeyDown(WXK_CONTROL);
    EXPECT_TRUE(processor.OnKeyDown('O'));
    EXPECT_EQ(2, addFiles);
}

TEST_F(Shortcuts, ReleasingCtrlEndsTheCtrlState)
{
    auto ctrlS = Add(true, 'S', &split);
    processor.OnKeyDown(WXK_CONTROL);
    EXPECT_FALSE(processor.OnKeyUp(WXK_CONTROL));
    EXPECT_FALSE(processor.OnKeyDown('S'));
    EXPECT_EQ(0, split);
    EXPECT_FALSE(processor.OnKeyUp('S'));
}

TEST_F(Shortcuts, PlainKeysDoNotFireWhileCtrlIsHeld)
{
    auto f1 = Add(false, WXK_F1, &help);
    auto del = Add(false, WXK_DELETE, &remove);
    processor.OnKeyDown(WXK_CONTROL);
    EXPECT_FALSE(processor.OnKeyDown(WXK_F1));
    EXPECT_EQ(0, help);
    processor.OnKeyUp(WXK_CONTROL);
    EXPECT_TRUE(processor.OnKeyDown(WXK_F1));
    EXPECT_TRUE(processor.OnKeyDown(WXK_DELETE));
    EXPECT_EQ(1, help);
    EXPECT_EQ(1, remove);
}

TEST_F(Shortcuts, TheFirstRegisteredMatchWithACallbackWins)
{
    int first = 0, second = 0;
    auto silent = processor.AddHandler(false, WXK_F1); // no callback: passed over
    auto a = Add(false, WXK_F1, &first);
    auto b = Add(false, WXK_F1, &second);
    EXPECT_TRUE(processor.OnKeyDown(WXK_F1));
    EXPECT_EQ(1, first);
    EXPECT_EQ(0, second);
}

TEST_F(Shortcuts, AHandlerWithoutCallbackDoesNotFire)
{
    auto silent = processor.AddHandler(false, WXK_F1);
    EXPECT_FALSE(processor.OnKeyDown(WXK_F1));
}

TEST_F(Shortcuts, ReleasedHandlersAreNeverCalledAndTheNextMatchRuns)
{
    int first = 0, second = 0;
    auto a = Add(false, WXK_F1, &first);
    auto b = Add(false, WXK_F1, &second);
    a.reset();
    EXPECT_TRUE(processor.OnKeyDown(WXK_F1));
    EXPECT_EQ(0, first);
    EXPECT_EQ(1, second);
}

TEST_F(Shortcuts, AfterAllHandlersAreReleasedKeysDoNothing)
{
    {
        auto ctrlO = Add(true, 'O', &addFiles);
        auto f1 = Add(false, WXK_F1, &help);
    }
    EXPECT_FALSE(processor.OnKeyDown(WXK_F1));
    processor.OnKeyDown(WXK_CONTROL);
    EXPECT_FALSE(processor.OnKeyDown('O'));
    EXPECT_EQ(0, addFiles + help);
}

TEST_F(Shortcuts, ACallbackCanBeReplaced)
{
    int first = 0, second = 0;
    auto f1 = Add(false, WXK_F1, &first);
    f1->SetCallback([&second] { ++second; });
    processor.OnKeyDown(WXK_F1);
    EXPECT_EQ(0, first);
    EXPECT_EQ(1, second);
}

TEST_F(Shortcuts, AShortcutMayReleaseItselfWhileItRuns)
{
    boost::shared_ptr<CKeyEventHandler> self = processor.AddHandler(false, WXK_DELETE);
    self->SetCallback([&self, this] {
        ++remove;
        self.reset();
    });
    EXPECT_TRUE(processor.OnKeyDown(WXK_DELETE));
    EXPECT_EQ(1, remove);
    EXPECT_FALSE(processor.OnKeyDown(WXK_DELETE));
}
