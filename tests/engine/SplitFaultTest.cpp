// Split tasks under faults: vanishing destinations, full disks, sources that shrink or cannot be read,
// hostile and over-long names. Each ends with the right status and keeps the parts already written.
#include "engine/AudioChunks.h"
#include "engine/AudioProcessor.h"
#include "engine/Id3TagInfo.h"
#include "engine/SplitTask.h"
#include "engine/ThreadPool.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <boost/date_time/posix_time/posix_time_types.hpp>
#include <boost/function.hpp>
#include <boost/shared_ptr.hpp>
#include <boost/thread/condition_variable.hpp>
#include <boost/thread/mutex.hpp>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using testing_support::DataPath;
using testing_support::ReadFileBytes;
using testing_support::TempDir;
using testing_support::WriteFileBytes;

namespace {

typedef std::vector<unsigned char> Bytes;

std::wstring Wide(const std::string& s)
{
    return std::wstring(s.begin(), s.end());
}
std::string Narrow(const std::wstring& s)
{
    return std::string(s.begin(), s.end());
}

// What one task reported, with the bytes each part held when it was reported.
struct TOutcome {
    int status = -1;
    int percent = -1;
    int nextTrack = -1;
    int finishedCount = 0;
    std::vector<std::string> parts;
    std::map<std::string, Bytes> partBytes;
};

struct TSettings {
    std::string source;
    std::wstring destination; // with its trailing separator
    std::wstring baseName = L"Book";
    unsigned partMs = 5000;
    TId3TagInfo tags;
    // Runs on the worker inside the file-written notification of the given part (1-based).
    unsigned hookAfterPart = 0;
    boost::function<void()> hook;
};

class Receiver {
public:
    explicit Receiver(const TSettings& settings)
        : settings(settings)
    {
    }

    void operator()(CSplitTask::TProgressInfo info)
    {
        boost::mutex::scoped_lock lock(mutex);
        if (info.kind == CSplitTask::EFileWritten) {
            const std::string path = Narrow(info.fileName);
            outcome.parts.push_back(path);
            outcome.partBytes[path] = ReadFileBytes(path);
            if (settings.hook && outcome.parts.size() == settings.hookAfterPart)
                settings.hook();
        } else if (info.kind == CSplitTask::EFinished) {
            ++outcome.finishedCount;
            outcome.status = info.status;
            outcome.percent = info.filePercent;
            outcome.nextTrack = info.nextTrack;
            done.notify_all();
        }
    }

    // False when no finished notification came in time.
    bool WaitFor(std::chrono::seconds limit)
    {
        boost::mutex::scoped_lock lock(mutex);
        return done.timed_wait(
            lock, boost::posix_time::seconds(limit.count()), [this] { return outcome.finishedCount > 0; });
    }

    TOutcome Wait()
    {
        boost::mutex::scoped_lock lock(mutex);
        while (outcome.finishedCount == 0)
            done.wait(lock);
        return outcome;
    }

private:
    const TSettings& settings;
    boost::mutex mutex;
    boost::condition_variable done;
    TOutcome outcome;
};

TOutcome RunTask(const TSettings& settings, AudioChunks* chunksOut = nullptr)
{
    boost::shared_ptr<CAudioProcessor> processor(new CAudioProcessor);
    processor->SetMinimumPause(0); // cut by time: every part ends at the target length
    processor->SetAnalysisStart(settings.partMs);
    boost::shared_ptr<ISplitPointDetectorFsm> detector = processor;
    AudioChunks chunks;
    Receiver receiver(settings);
    TOutcome outcome;
    {
        thread_pool pool(1);
        CSplitTask task(detector, &chunks, true, 0, Wide(settings.source).c_str(),
            settings.destination.c_str(), settings.baseName.c_str(), 1, 0, settings.tags,
            boost::ref(receiver), 0);
        EXPECT_TRUE(task.Start(pool));
        outcome = receiver.Wait();
        // The pool's destructor waits for the job before the task goes.
    }
    if (chunksOut)
        chunksOut->Set(chunks);
    return outcome;
}

// Every part reported keeps, after the run, exactly the bytes it had when it was reported.
void ExpectPartsKept(
    const TOutcome& outcome, const std::string& movedFrom = "", const std::string& movedTo = "")
{
    for (const auto& part : outcome.partBytes) {
        std::string path = part.first;
        if (!movedFrom.empty() && path.compare(0, movedFrom.size(), movedFrom) == 0)
            path = movedTo + path.substr(movedFrom.size());
        SCOPED_TRACE(path);
        EXPECT_FALSE(part.second.empty());
        EXPECT_TRUE(ReadFileBytes(path) == part.second);
    }
}

std::size_t FilesIn(const fs::path& dir)
{
    std::size_t n = 0;
    for (auto it = fs::recursive_directory_iterator(dir); it != fs::recursive_directory_iterator(); ++it)
        n += it->is_regular_file() || it->is_symlink();
    return n;
}

const char* const Source = "split/cbr-mpeg1.mp3";

} // namespace

TEST(SplitFaults, ADestinationThatDisappearsAfterTheFirstPartEndsWithAWriteErrorAndKeepsThatPart)
{
    TempDir dir("fault");
    const std::string destination = dir.File("out");
    const std::string moved = dir.File("moved");
    fs::create_directory(destination);
    TSettings settings;
    settings.source = DataPath(Source);
    settings.destination = Wide(destination + "/");
    settings.hookAfterPart = 1;
    settings.hook = [&] { fs::rename(destination, moved); };
    AudioChunks left;

    TOutcome outcome = RunTask(settings, &left);

    EXPECT_EQ(1, outcome.finishedCount);
    EXPECT_EQ(CSplitTask::EWriteError, outcome.status);
    ASSERT_EQ(1u, outcome.parts.size());
    EXPECT_EQ(2, outcome.nextTrack);
    EXPECT_FALSE(fs::exists(destination)); // not silently recreated somewhere
    ExpectPartsKept(outcome, destination, moved);
    EXPECT_FALSE(left.IsEmpty()); // the part that could not be written stays buffered
}

TEST(SplitFaults, APartOnAFullDiskEndsWithAWriteErrorLeavesNoHalfPartAndKeepsTheFirst)
{
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    TempDir dir("fault");
    const std::string destination = dir.File("out");
    fs::create_directory(destination);
    fs::create_symlink("/dev/full", destination + "/Book 2.mp3");
    TSettings settings;
    settings.source = DataPath(Source);
    settings.destination = Wide(destination + "/");
    settings.tags.createTag = true;
    settings.tags.version = TId3TagInfo::EId3v1AndV2;

    TOutcome outcome = RunTask(settings);

    EXPECT_EQ(CSplitTask::EWriteError, outcome.status);
    ASSERT_EQ(1u, outcome.parts.size());
    EXPECT_EQ(destination + "/Book 1.mp3", outcome.parts[0]);
    EXPECT_EQ(2, outcome.nextTrack);
    ExpectPartsKept(outcome);
    // The failed part is not left behind as if it were whole; the device itself is untouched.
    EXPECT_FALSE(fs::exists(fs::symlink_status(destination + "/Book 2.mp3")));
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST(SplitFaults, ASourceTruncatedWhileItIsReadEndsCleanlyAndKeepsItsParts)
{
    TempDir dir("fault");
    const std::string source = dir.File("long.mp3");
    const Bytes one = ReadFileBytes(DataPath(Source));
    Bytes many;
    for (int i = 0; i < 10; ++i) // longer than the reader's first refill, so the cut is met while reading
        many.insert(many.end(), one.begin(), one.end());
    WriteFileBytes(source, many);
    const std::size_t cut = 1100000;
    ASSERT_GT(many.size(), cut + 100000);
    fs::create_directory(dir.File("out"));
    TSettings settings;
    settings.source = source;
    settings.destination = Wide(dir.File("out") + "/");
    settings.partMs = 60000;
    settings.hookAfterPart = 1;
    settings.hook = [&] { fs::resize_file(source, cut); };

    TOutcome outcome = RunTask(settings);

    // What is left reads as a shorter file; a reader that notices the loss may say so instead.
    EXPECT_TRUE(outcome.status == CSplitTask::ESuccess || outcome.status == CSplitTask::EReadError)
        << outcome.status;
    EXPECT_EQ(1, outcome.finishedCount);
    ASSERT_GE(outcome.parts.size(), 1u);
    ExpectPartsKept(outcome);
    std::uintmax_t written = 0;
    for (const auto& part : outcome.parts)
        written += fs::file_size(part);
    EXPECT_LE(written, cut);
}

TEST(SplitFaults, ASourceThatIsADirectoryIsAReadErrorAndWritesNothing)
{
    TempDir dir("fault");
    fs::create_directory(dir.File("in.mp3"));
    fs::create_directory(dir.File("out"));
    TSettings settings;
    settings.source = dir.File("in.mp3");
    settings.destination = Wide(dir.File("out") + "/");

    TOutcome outcome = RunTask(settings);

    EXPECT_EQ(CSplitTask::EReadError, outcome.status);
    EXPECT_TRUE(outcome.parts.empty());
    EXPECT_EQ(1, outcome.nextTrack);
    EXPECT_EQ(0u, FilesIn(dir.File("out")));
}

TEST(SplitFaults, ASourceThatIsANamedPipeIsAReadErrorAndDoesNotHang)
{
    TempDir dir("fault");
    const std::string fifo = dir.File("pipe.mp3");
    ASSERT_EQ(0, mkfifo(fifo.c_str(), 0600));
    fs::create_directory(dir.File("out"));
    TSettings settings;
    settings.source = fifo;
    settings.destination = Wide(dir.File("out") + "/");
    boost::shared_ptr<CAudioProcessor> processor(new CAudioProcessor);
    boost::shared_ptr<ISplitPointDetectorFsm> detector = processor;
    AudioChunks chunks;
    Receiver receiver(settings);
    {
        thread_pool pool(1);
        CSplitTask task(detector, &chunks, true, 0, Wide(fifo).c_str(), settings.destination.c_str(), L"Book",
            1, 0, settings.tags, boost::ref(receiver), 0);
        ASSERT_TRUE(task.Start(pool));
        const bool finished = receiver.WaitFor(std::chrono::seconds(10));
        if (!finished) {
            // Release a reader stuck in open() so that the pool can be shut down.
            int writer = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0)
                close(writer);
        }
        EXPECT_TRUE(finished) << "the split waited for a writer on the pipe";
    }
    TOutcome outcome = receiver.Wait();
    EXPECT_EQ(CSplitTask::EReadError, outcome.status);
    EXPECT_EQ(0u, FilesIn(dir.File("out")));
}

TEST(SplitFaults, ACharacterDeviceAsSourceIsAReadError)
{
    if (!fs::exists("/dev/zero"))
        GTEST_SKIP() << "no /dev/zero";
    TempDir dir("fault");
    fs::create_directory(dir.File("out"));
    TSettings settings;
    settings.source = "/dev/zero";
    settings.destination = Wide(dir.File("out") + "/");

    TOutcome outcome = RunTask(settings);

    EXPECT_EQ(CSplitTask::EReadError, outcome.status);
    EXPECT_EQ(0u, FilesIn(dir.File("out")));
}

TEST(SplitFaults, APartPathThatIsADirectoryIsAWriteErrorAndKeepsTheEarlierParts)
{
    TempDir dir("fault");
    const std::string destination = dir.File("out");
    fs::create_directories(destination + "/Book 3.mp3");
    TSettings settings;
    settings.source = DataPath(Source);
    settings.destination = Wide(destination + "/");

    TOutcome outcome = RunTask(settings);

    EXPECT_EQ(CSplitTask::EWriteError, outcome.status);
    ASSERT_EQ(2u, outcome.parts.size());
    EXPECT_EQ(3, outcome.nextTrack);
    ExpectPartsKept(outcome);
    EXPECT_TRUE(fs::is_directory(destination + "/Book 3.mp3"));
}

TEST(SplitFaults, ADestinationThatIsAFileIsAWriteErrorAndLeavesTheFileAlone)
{
    TempDir dir("fault");
    const std::string destination = dir.File("out");
    WriteFileBytes(destination, Bytes { 1, 2, 3 });
    TSettings settings;
    settings.source = DataPath(Source);
    settings.destination = Wide(destination + "/");

    TOutcome outcome = RunTask(settings);

    EXPECT_EQ(CSplitTask::EWriteError, outcome.status);
    EXPECT_TRUE(outcome.parts.empty());
    EXPECT_TRUE(ReadFileBytes(destination) == (Bytes { 1, 2, 3 }));
}

TEST(SplitFaults, AMissingSourceIsAReadErrorAndWritesNothing)
{
    TempDir dir("fault");
    fs::create_directory(dir.File("out"));
    TSettings settings;
    settings.source = dir.File("nowhere.mp3");
    settings.destination = Wide(dir.File("out") + "/");

    TOutcome outcome = RunTask(settings);

    EXPECT_EQ(CSplitTask::EReadError, outcome.status);
    EXPECT_EQ(0, outcome.percent);
    EXPECT_EQ(0u, FilesIn(dir.File("out")));
}

TEST(SplitFaults, AnUnreadableSourceIsAReadErrorAndWritesNothing)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads files whatever their permissions";
    TempDir dir("fault");
    const std::string source = dir.File("locked.mp3");
    WriteFileBytes(source, ReadFileBytes(DataPath(Source)));
    fs::permissions(source, fs::perms::none);
    fs::create_directory(dir.File("out"));
    TSettings settings;
    settings.source = source;
    settings.destination = Wide(dir.File("out") + "/");

    TOutcome outcome = RunTask(settings);

    EXPECT_EQ(CSplitTask::EReadError, outcome.status);
    EXPECT_EQ(0u, FilesIn(dir.File("out")));
}

TEST(SplitFaults, ABaseNameWithSeparatorsAndControlCharactersStaysInsideTheDestination)
{
    TempDir dir("fault");
    const std::string destination = dir.File("a/b");
    fs::create_directories(destination);
    TSettings settings;
    settings.source = DataPath(Source);
    settings.destination = Wide(destination + "/");
    settings.baseName = L"../../esc/ape\\:*?\"<>|\t\x01";
    settings.baseName += L'\0';
    settings.baseName += L"x\u00e9\u6587";

    TOutcome outcome = RunTask(settings);

    EXPECT_EQ(CSplitTask::ESuccess, outcome.status);
    ASSERT_GE(outcome.parts.size(), 2u);
    ExpectPartsKept(outcome);
    for (const auto& part : outcome.parts)
        EXPECT_EQ(fs::canonical(destination), fs::canonical(part).parent_path()) << part;
    EXPECT_EQ(outcome.parts.size(), FilesIn(dir.Path()));
}

TEST(SplitFaults, AVeryLongTitleIsKeptInTheTagsAndTheRunSucceeds)
{
    TempDir dir("fault");
    fs::create_directory(dir.File("out"));
    TSettings settings;
    settings.source = DataPath(Source);
    settings.destination = Wide(dir.File("out") + "/");
    settings.tags.createTag = true;
    settings.tags.version = TId3TagInfo::EId3v1AndV2;
    settings.tags.title = std::wstring(5000, L'\u6587');
    settings.tags.artist = std::wstring(3000, L'a');
    settings.tags.comment = std::wstring(3000, L'c');

    TOutcome outcome = RunTask(settings);

    EXPECT_EQ(CSplitTask::ESuccess, outcome.status);
    ASSERT_GE(outcome.parts.size(), 2u);
    ExpectPartsKept(outcome);
    const Bytes first = ReadFileBytes(outcome.parts[0]);
    ASSERT_GT(first.size(), 10000u);
    EXPECT_EQ('I', first[0]);
    EXPECT_EQ('T', first[first.size() - 128]);
}

TEST(SplitFaults, ABaseNameLongerThanAFileNameMayBeIsAWriteErrorAndWritesNothing)
{
    TempDir dir("fault");
    fs::create_directory(dir.File("out"));
    TSettings settings;
    settings.source = DataPath(Source);
    settings.destination = Wide(dir.File("out") + "/");
    settings.baseName = std::wstring(300, L'x');
    AudioChunks left;

    TOutcome outcome = RunTask(settings, &left);

    EXPECT_EQ(CSplitTask::EWriteError, outcome.status);
    EXPECT_TRUE(outcome.parts.empty());
    EXPECT_EQ(1, outcome.nextTrack);
    EXPECT_EQ(0u, FilesIn(dir.File("out")));
    EXPECT_FALSE(left.IsEmpty());
}

TEST(SplitFaults, ADestinationLongerThanAPathMayBeIsAWriteErrorAndWritesNothing)
{
    TempDir dir("fault");
    std::string destination = dir.Path();
    while (destination.size() <= 4096 + 100)
        destination += "/" + std::string(200, 'd');
    TSettings settings;
    settings.source = DataPath(Source);
    settings.destination = Wide(destination + "/");

    TOutcome outcome = RunTask(settings);

    EXPECT_EQ(CSplitTask::EWriteError, outcome.status);
    EXPECT_TRUE(outcome.parts.empty());
    EXPECT_EQ(0u, FilesIn(dir.Path()));
}
