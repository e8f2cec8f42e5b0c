// The split task on the pool: one record per notification, the status table, start once, cancel.
#include "engine/SplitTask.h"
#include "engine/AudioChunks.h"
#include "engine/AudioProcessor.h"
#include "engine/Id3TagInfo.h"
#include "engine/ThreadPool.h"
#include "support/TestSupport.h"

#include <boost/thread/condition_variable.hpp>
#include <boost/thread/mutex.hpp>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

struct TRecord {
    CSplitTask::TProgressInfo info;
    std::wstring fileName; // copied, as a receiver on another thread must
};

// Collects the notifications of one task and lets the test wait for the finished one.
class Receiver {
public:
    void operator()(CSplitTask::TProgressInfo info)
    {
        TRecord record { info, info.fileName ? std::wstring(info.fileName) : std::wstring() };
        if (cancelOnFirstFile && info.kind == CSplitTask::EFileWritten)
            task->Cancel();
        boost::mutex::scoped_lock lock(mutex);
        records.push_back(record);
        if (info.kind == CSplitTask::EFinished)
            done.notify_all();
    }

    std::vector<TRecord> WaitForFinish()
    {
        boost::mutex::scoped_lock lock(mutex);
        while (records.empty() || records.back().info.kind != CSplitTask::EFinished)
            done.wait(lock);
        return records;
    }

    CSplitTask* task = nullptr;
    bool cancelOnFirstFile = false;

private:
    boost::mutex mutex;
    boost::condition_variable done;
    std::vector<TRecord> records;
};

struct TTaskRun {
    std::vector<TRecord> records;
    bool secondStart = true;
};

TTaskRun RunTask(const std::string& source, const std::string& dir, bool cancel = false)
{
    boost::shared_ptr<CAudioProcessor> processor(new CAudioProcessor);
    processor->SetThreshold(8);
    processor->SetMinimumPause(500);
    processor->SetAnalysisStart(5000);
    boost::shared_ptr<ISplitPointDetectorFsm> detector = processor;
    AudioChunks chunks;
    TId3TagInfo tags;
    Receiver receiver;
    receiver.cancelOnFirstFile = cancel;
    const std::wstring wsource(source.begin(), source.end()), wdir(dir.begin(), dir.end());
    TTaskRun run;
    {
        thread_pool pool(1);
        CSplitTask task(detector, &chunks, true, 7, wsource.c_str(), (wdir + L"/").c_str(), L"Part", 1, 0,
            tags, boost::ref(receiver), 0);
        receiver.task = &task;
        EXPECT_TRUE(task.Start(pool));
        run.secondStart = task.Start(pool);
        run.records = receiver.WaitForFinish();
        // The pool's destructor waits for the job before the task goes.
    }
    return run;
}

} // namespace

TEST(TaskStatus, MapsEverySplitterResultThroughTheFixedTable)
{
    const int expected[] = { 0, 1, 2, 3, 5, 6, 8, 9 };
    for (int result = 0; result < 8; ++result)
        EXPECT_EQ(expected[result], CSplitTask::MapStatus(result)) << result;
    EXPECT_EQ(CSplitTask::EUnexpectedError, CSplitTask::MapStatus(8));
    EXPECT_EQ(CSplitTask::EUnexpectedError, CSplitTask::MapStatus(-1));
    for (int result = -5; result < 20; ++result)
        EXPECT_NE(CSplitTask::EOpenError, CSplitTask::MapStatus(result));
}

TEST(TaskNotifications, AProgressStatusNeverCarriesTrackOrStatus)
{
    std::vector<CSplitTask::TProgressInfo> got;
    boost::shared_ptr<ISplitPointDetectorFsm> detector(new CAudioProcessor);
    AudioChunks chunks;
    CSplitTask task(
        detector, &chunks, true, 3, L"x.mp3", L"/tmp/", L"b", 1, 0, TId3TagInfo(),
        [&got](CSplitTask::TProgressInfo i) { got.push_back(i); }, 0);
    task.OnStatus({ 42, 5, false, 4 });
    task.OnStatus({ 99, 6, true, 4 });
    task.OnFileWritten(L"/tmp/b 1.mp3");
    ASSERT_EQ(3u, got.size());
    EXPECT_EQ(CSplitTask::EProgress, got[0].kind);
    EXPECT_EQ(3, got[0].fileIndex);
    EXPECT_EQ(42, got[0].filePercent);
    EXPECT_EQ(0, got[0].nextTrack);
    EXPECT_EQ(0, got[0].status);
    EXPECT_EQ(nullptr, got[0].fileName);
    EXPECT_EQ(CSplitTask::EFinished, got[1].kind);
    EXPECT_EQ(6, got[1].nextTrack);
    EXPECT_EQ(CSplitTask::ECorruptInput, got[1].status);
    EXPECT_EQ(CSplitTask::EFileWritten, got[2].kind);
    EXPECT_EQ(0, got[2].filePercent);
}

TEST(TaskOnThePool, ReportsProgressEveryPartAndOneFinishAtTheEnd)
{
    TempDir dir("task");
    TTaskRun run = RunTask(DataPath("split/cbr-mpeg1.mp3"), dir.Path());
    EXPECT_FALSE(run.secondStart) << "a task runs once";
    const std::vector<TRecord>& r = run.records;
    ASSERT_FALSE(r.empty());
    EXPECT_EQ(CSplitTask::EProgress, r.front().info.kind);
    int files = 0, finished = 0;
    for (const TRecord& rec : r) {
        EXPECT_EQ(7, rec.info.fileIndex);
        if (rec.info.kind == CSplitTask::EFileWritten) {
            ++files;
            EXPECT_EQ(dir.Path() + "/Part " + std::to_string(files) + ".mp3",
                std::string(rec.fileName.begin(), rec.fileName.end()));
            EXPECT_TRUE(std::filesystem::exists(dir.File("Part " + std::to_string(files) + ".mp3")));
        }
        finished += rec.info.kind == CSplitTask::EFinished;
    }
    EXPECT_EQ(1, finished);
    EXPECT_GE(files, 2);
    EXPECT_EQ(CSplitTask::ESuccess, r.back().info.status);
    EXPECT_EQ(files + 1, r.back().info.nextTrack);
    EXPECT_EQ(100, r.back().info.filePercent);
}

TEST(TaskOnThePool, CancelFromInsideANotificationKeepsThePartsAndEndsWithStatus1)
{
    TempDir dir("taskcancel");
    TTaskRun run = RunTask(DataPath("split/cbr-mpeg1.mp3"), dir.Path(), true);
    EXPECT_EQ(CSplitTask::ECancelled, run.records.back().info.status);
    EXPECT_TRUE(std::filesystem::exists(dir.File("Part 1.mp3")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("Part 2.mp3")));
}

TEST(TaskOnThePool, FailuresEndWithTheStatusesOfTheTable)
{
    TempDir dir("taskfail");
    EXPECT_EQ(
        CSplitTask::EReadError, RunTask(dir.File("missing.mp3"), dir.Path()).records.back().info.status);
    WriteFileBytes(dir.File("text.mp3"), std::vector<unsigned char>(5000, 'x'));
    EXPECT_EQ(
        CSplitTask::ECorruptInput, RunTask(dir.File("text.mp3"), dir.Path()).records.back().info.status);
    EXPECT_EQ(CSplitTask::EWriteError,
        RunTask(DataPath("split/cbr-mpeg1.mp3"), dir.File("missing-dir")).records.back().info.status);
    std::filesystem::create_directory(dir.File("full"));
    std::filesystem::create_symlink("/dev/full", dir.File("full/Part 1.mp3"));
    EXPECT_EQ(CSplitTask::EWriteError,
        RunTask(DataPath("split/cbr-mpeg1.mp3"), dir.File("full")).records.back().info.status);
}
