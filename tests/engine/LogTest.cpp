// The log's lines and its bounded, thread-safe store.
#include "engine/Log.h"
#include "engine/LogStore.h"

#include <gtest/gtest.h>

#include <boost/format.hpp>
#include <set>
#include <thread>

namespace {

class LogTest : public ::testing::Test {
protected:
    void SetUp() override { LogStore::Instance().Clear(); }
    void TearDown() override { LogStore::Instance().Clear(); }
    static std::vector<std::wstring> Lines() { return LogStore::Instance().Lines(); }
};

TEST_F(LogTest, LevelLinesCarryPrefixAndLineFeedAndTheMessageVerbatim)
{
    LogError(L"disk gone");
    LogWarn(L"");
    LogInfo(L"100% done, %d left\nnext");
    const auto lines = Lines();
    ASSERT_EQ(3u, lines.size());
    EXPECT_EQ(L"ERROR: disk gone\n", lines[0]);
    EXPECT_EQ(L"WARN: \n", lines[1]);
    EXPECT_EQ(L"INFO: 100% done, %d left\nnext\n", lines[2]);
}

TEST_F(LogTest, EmbeddedNulEndsTheMessage)
{
    LogInfo(std::wstring(L"abc\0def", 7));
    EXPECT_EQ(L"INFO: abc\n", Lines().at(0));
}

TEST_F(LogTest, NarrowAndWideLinesAreTheSameAndTraceWritesNothing)
{
    LogInfoA("Creating main window 42");
    LogInfo(L"Creating main window 42");
    LogErrorA("e");
    LogWarnA("w");
    Trace(L"invisible");
    TraceA("invisible");
    const auto lines = Lines();
    ASSERT_EQ(4u, lines.size());
    EXPECT_EQ(lines[0], lines[1]);
    EXPECT_EQ(L"ERROR: e\n", lines[2]);
    EXPECT_EQ(L"WARN: w\n", lines[3]);
}

TEST_F(LogTest, The201stLineDropsTheOldestHundred)
{
    for (int i = 1; i <= 200; ++i)
        LogInfo((boost::wformat(L"%d") % i).str());
    ASSERT_EQ(200u, Lines().size());
    LogInfo(L"201");
    auto lines = Lines();
    ASSERT_EQ(101u, lines.size());
    EXPECT_EQ(L"INFO: 101\n", lines.front());
    EXPECT_EQ(L"INFO: 201\n", lines.back());
    for (int i = 202; i <= 301; ++i)
        LogInfo((boost::wformat(L"%d") % i).str());
    lines = Lines();
    ASSERT_EQ(101u, lines.size());
    EXPECT_EQ(L"INFO: 201\n", lines.front());
    EXPECT_EQ(L"INFO: 301\n", lines.back());
}

TEST_F(LogTest, TwoThreadsLoseNoLineAndNeverOverfillTheStore)
{
    // 90 lines from each thread stay below the first trim, so every line must arrive whole.
    auto writer = [](const wchar_t* name) {
        for (int i = 0; i < 90; ++i)
            LogInfo((boost::wformat(L"%s %d") % name % i).str());
    };
    std::thread a(writer, L"worker");
    std::thread b(writer, L"gui");
    a.join();
    b.join();
    const auto lines = Lines();
    ASSERT_EQ(180u, lines.size());
    std::set<std::wstring> unique(lines.begin(), lines.end());
    EXPECT_EQ(180u, unique.size());
    for (int i = 0; i < 90; ++i) {
        EXPECT_EQ(1u, unique.count((boost::wformat(L"INFO: worker %d\n") % i).str()));
        EXPECT_EQ(1u, unique.count((boost::wformat(L"INFO: gui %d\n") % i).str()));
    }

    // Past the limit, with a reader emptying the store at the same time, it never holds more than 200.
    std::thread c(writer, L"c");
    std::thread d([] {
        for (int i = 0; i < 2000; ++i)
            LogInfo(L"flood");
    });
    std::thread reader([] {
        for (int i = 0; i < 50; ++i) {
            EXPECT_LE(LogStore::Instance().Lines().size(), 200u);
            if (i % 10 == 0)
                LogStore::Instance().Clear();
        }
    });
    c.join();
    d.join();
    reader.join();
    EXPECT_LE(Lines().size(), 200u);
}

} // namespace
