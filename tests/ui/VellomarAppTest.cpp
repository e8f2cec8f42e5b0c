// The application object: start-up with command-line files, shortcuts through it, settings at exit.
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"

#include "ui/HtmlDialog.h"
#include "ui/ListBoxPanel.h"
#include "ui/MainFrame.h"
#include "ui/SplitPanel.h"
#include "ui/Vellomar.h"

#include <cstdlib>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>
#include <wx/config.h>
#include <wx/fileconf.h>
#include <wx/filename.h>
#include <wx/notebook.h>
#include <wx/slider.h>
#include <wx/testing.h>
#include <wx/toolbar.h>
#include <wx/weakref.h>

namespace {

using gui_test::PumpEvents;

// A second application object beside the test program's own, which stays the toolkit's app.
class CAppUnderTest {
public:
    explicit CAppUnderTest(const std::vector<std::string>& arguments)
        : saved(wxApp::GetInstance())
    {
        app.reset(new CVellomar);
        wxApp::SetInstance(saved);
        for (const std::string& a : arguments)
            storage.push_back(a);
        pointers.push_back(const_cast<char*>("vellomar"));
        for (std::string& a : storage)
            pointers.push_back(&a[0]);
        pointers.push_back(nullptr);
        app->argc = static_cast<int>(pointers.size() - 1);
        app->argv.Init(app->argc, pointers.data());
    }
    ~CAppUnderTest()
    {
        app.reset();
        wxApp::SetInstance(saved);
    }

    CVellomar& operator*() { return *app; }
    CVellomar* operator->() { return app.get(); }
    CMainFrame* Frame() { return static_cast<CMainFrame*>(app->GetTopWindow()); }

    // Closes the window as the user does, lets the toolkit delete it, then ends the application.
    void Exit()
    {
        wxWeakRef<CMainFrame> alive(Frame());
        Frame()->Close();
        for (int i = 0; i < 100 && alive; ++i)
            PumpEvents(10);
        app->OnExit();
    }

private:
    wxAppConsole* saved;
    std::unique_ptr<CVellomar> app;
    std::vector<std::string> storage;
    std::vector<char*> pointers;
};

class VellomarAppTest : public testing::Test {
protected:
    void SetUp() override
    {
        const char* old = std::getenv("XDG_CONFIG_HOME");
        oldConfigHome = old ? old : "";
        hadConfigHome = old != nullptr;
        setenv("XDG_CONFIG_HOME", configHome.Path().c_str(), 1);
        delete wxConfigBase::Set(nullptr);
    }
    void TearDown() override
    {
        delete wxConfigBase::Set(nullptr);
        if (hadConfigHome)
            setenv("XDG_CONFIG_HOME", oldConfigHome.c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
    }

    // The settings file as the next start reads it.
    std::unique_ptr<wxFileConfig> Stored() const
    {
        return std::unique_ptr<wxFileConfig>(new wxFileConfig(
            "test", wxEmptyString, CVellomar::SettingsFilePath(), wxEmptyString, wxCONFIG_USE_LOCAL_FILE));
    }

    testing_support::TempDir configHome { "xdg" };
    std::string oldConfigHome;
    bool hadConfigHome = false;
};

TEST_F(VellomarAppTest, StartsEmptyWithTitleTabsAndWelcomeAndNoToolkitWarning)
{
    CAppUnderTest app({});
    std::string complaints;
    {
        gui_test::CStderrCapture stderrText;
        ASSERT_TRUE(app->OnInit());
        PumpEvents(100);
        complaints = stderrText.Text();
    }
    // A control laid out smaller than the toolkit allows shows up as a critical or a warning.
    EXPECT_THAT(complaints, testing::Not(testing::HasSubstr("-CRITICAL **")));
    EXPECT_THAT(complaints, testing::Not(testing::HasSubstr("-WARNING **")));
    CMainFrame* frame = app.Frame();
    ASSERT_TRUE(frame);
    EXPECT_TRUE(frame->IsShown());
    EXPECT_EQ("Vellomar", frame->GetTitle());
    EXPECT_EQ(4u, frame->GetNotebook()->GetPageCount());
    EXPECT_EQ("Welcome to Vellomar!", frame->GetStatusBar()->GetStatusText(0));
    EXPECT_EQ(0u, frame->GetFileListPage()->GetFileCount());
    EXPECT_FALSE(frame->GetToolBar()->GetToolEnabled(CMainFrame::ID_SPLIT));
    gui_test::SaveScreenshot(frame, "main-window-empty");
    app.Exit();
}

TEST_F(VellomarAppTest, CommandLineFilesAreListedInTheirOrder)
{
    CAppUnderTest app(
        { "/books/Track 10.mp3", "/books/readme.txt", "/books/Track 2.mp3", "/books/Track 1.MP3" });
    ASSERT_TRUE(app->OnInit());
    CMainFrame* frame = app.Frame();
    CListBoxPanel* list = frame->GetFileListPage();
    ASSERT_EQ(3u, list->GetFileCount());
    EXPECT_EQ("/books/Track 10.mp3", list->GetFile(0));
    EXPECT_EQ("/books/Track 2.mp3", list->GetFile(1));
    EXPECT_EQ("/books/Track 1.MP3", list->GetFile(2));
    EXPECT_TRUE(frame->GetToolBar()->GetToolEnabled(CMainFrame::ID_SPLIT));
    EXPECT_EQ("Vellomar", frame->GetTitle());
    EXPECT_EQ(4u, frame->GetNotebook()->GetPageCount());
    // Xvfb keeps stale pixels until the new window has painted itself.
    frame->Refresh();
    PumpEvents(500);
    gui_test::SaveScreenshot(frame, "main-window");
    app.Exit();
}

TEST_F(VellomarAppTest, UnconsumedKeysReachTheShortcutsAndStayUnhandled)
{
    CAppUnderTest app({ "/books/a.mp3" });
    ASSERT_TRUE(app->OnInit());
    wxKeyEvent f1(wxEVT_KEY_DOWN);
    f1.m_keyCode = WXK_F1;
    bool handled = true;
    wxTEST_DIALOG(handled = app->ProcessEvent(f1), wxExpectDismissableModal<CHtmlDialog>(wxID_OK));
    EXPECT_FALSE(handled);

    wxKeyEvent del(wxEVT_KEY_DOWN);
    del.m_keyCode = WXK_DELETE;
    EXPECT_FALSE(app->ProcessEvent(del));
    EXPECT_EQ(0u, app.Frame()->GetFileListPage()->GetFileCount());
    app.Exit();
}

TEST_F(VellomarAppTest, SettingsComeBackWhenSavingIsOn)
{
    {
        std::unique_ptr<wxFileConfig> stored = Stored();
        stored->Write("/Options/SaveSettings", true);
        stored->Write("/General/DestinationDirectory", "/dest");
    }
    int position = -1;
    {
        CAppUnderTest app({ "/from/here/a.mp3" });
        ASSERT_TRUE(app->OnInit());
        EXPECT_EQ("/dest", app.Frame()->GetDestinationDirectory());
        position = app.Frame()->GetTrackLengthSlider()->GetValue() == 7 ? 8 : 7;
        gui_test::Scroll(app.Frame()->GetTrackLengthSlider(), position);
        app.Exit();
    }
    EXPECT_TRUE(wxFileName::FileExists(CVellomar::SettingsFilePath()));
    EXPECT_EQ(wxFileName(wxString::FromUTF8(configHome.Path())).GetFullPath(),
        wxFileName(CVellomar::SettingsFilePath()).GetPath());
    {
        CAppUnderTest app({});
        ASSERT_TRUE(app->OnInit());
        EXPECT_EQ("/from/here", app.Frame()->GetSourceDirectory());
        EXPECT_EQ(position, app.Frame()->GetTrackLengthSlider()->GetValue());
        EXPECT_EQ(position, app.Frame()->GetSplitPage()->GetTrackLengthPosition());
        app.Exit();
    }
}

TEST_F(VellomarAppTest, NothingButTheSwitchIsWrittenWhenSavingIsOff)
{
    {
        std::unique_ptr<wxFileConfig> stored = Stored();
        stored->Write("/General/SourceDirectory", "/kept");
    }
    {
        CAppUnderTest app({ "/from/here/a.mp3" });
        ASSERT_TRUE(app->OnInit());
        app.Exit();
    }
    std::unique_ptr<wxFileConfig> stored = Stored();
    EXPECT_EQ("/kept", stored->Read("/General/SourceDirectory", wxString()));
    EXPECT_FALSE(stored->HasEntry("/General/Version"));
    EXPECT_FALSE(stored->HasEntry("/SplitOptions/TrackLengthSlider"));
    EXPECT_TRUE(stored->HasEntry("/Options/SaveSettings"));
    EXPECT_FALSE(stored->ReadBool("/Options/SaveSettings", true));
}

} // namespace
