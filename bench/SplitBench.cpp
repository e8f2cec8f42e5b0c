// Times a split of a four-hour generated audiobook against decoding alone and against mp3splt.
// Run by hand: bench_SplitBench [work directory]. The audiobook is made once (espeak-ng, sox,
// lame) and cached in the work directory.
#include "engine/AudioChunks.h"
#include "engine/AudioProcessor.h"
#include "engine/Id3TagInfo.h"
#include "engine/SplitTask.h"
#include "engine/ThreadPool.h"

#include <boost/thread/condition_variable.hpp>
#include <boost/thread/mutex.hpp>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mpg123.h>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

double Now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

bool Run(const std::string& command)
{
    std::printf("$ %s\n", command.c_str());
    std::fflush(stdout);
    return std::system(command.c_str()) == 0;
}

// About ten minutes of speech with pauses of 0.2 to 2 s, repeated to four hours and encoded at 64 kbit/s.
std::string MakeAudiobook(const std::string& dir)
{
    const std::string book = dir + "/audiobook.mp3";
    if (fs::exists(book))
        return book;
    const char* sentences[] = { "the quick brown fox jumps over the lazy dog and runs into the forest",
        "every morning the baker opens his small shop near the river before the sun is up",
        "a long journey begins with a single step forward and ends many miles away",
        "she read the letter twice before she put it away in the drawer of her desk",
        "the old clock in the hall struck nine as the guests arrived one after another",
        "rain fell softly on the roof all through the night and the street was quiet" };
    const char* pauses[] = { "0.3", "1.2", "0.4", "2.0", "0.25", "0.9" };
    std::string list;
    for (int i = 0; i < 6; ++i) {
        const std::string s = dir + "/s" + std::to_string(i) + ".wav",
                          p = dir + "/p" + std::to_string(i) + ".wav";
        if (!Run("espeak-ng -s 160 -w '" + s + ".raw.wav' '" + sentences[i] + "'")
            || !Run("sox '" + s + ".raw.wav' -r 22050 -c 1 -b 16 '" + s + "'")
            || !Run(std::string("sox -n -r 22050 -c 1 -b 16 '") + p + "' trim 0 " + pauses[i]))
            return std::string();
        list += " '" + s + "' '" + p + "'";
    }
    const std::string chapter = dir + "/chapter.wav";
    // Six sentences and pauses (~30 s), repeated to about ten minutes.
    if (!Run("sox" + list + " '" + chapter + "' repeat 19"))
        return std::string();
    // 24 chapters: four hours. Streamed into lame so that no four-hour wave is kept.
    if (!Run("sox '" + chapter + "' -t wav - repeat 23 | lame --quiet -m m --resample 44.1 -b 64 - '" + book
            + ".tmp' && mv '" + book + ".tmp' '" + book + "'"))
        return std::string();
    return book;
}

class Waiter {
public:
    void operator()(CSplitTask::TProgressInfo info)
    {
        boost::mutex::scoped_lock lock(mutex);
        if (info.kind == CSplitTask::EFileWritten) {
            ++parts;
            largest = std::max<std::uintmax_t>(largest, fs::file_size(info.fileName));
        }
        if (info.kind == CSplitTask::EFinished) {
            status = info.status;
            finished = true;
            done.notify_all();
        }
    }
    void Wait()
    {
        boost::mutex::scoped_lock lock(mutex);
        while (!finished)
            done.wait(lock);
    }
    int parts = 0, status = -1;
    std::uintmax_t largest = 0;

private:
    bool finished = false;
    boost::mutex mutex;
    boost::condition_variable done;
};

double SplitWithTask(const std::string& book, const std::string& out, Waiter& waiter)
{
    fs::remove_all(out);
    fs::create_directories(out);
    boost::shared_ptr<CAudioProcessor> processor(new CAudioProcessor);
    processor->SetThreshold(50);
    processor->SetCutPosition(0.8f);
    processor->SetMinimumPause(500);
    processor->SetAnalysisStart(600000);
    boost::shared_ptr<ISplitPointDetectorFsm> detector = processor;
    AudioChunks chunks;
    TId3TagInfo tags;
    tags.createTag = true;
    tags.version = TId3TagInfo::EId3v1AndV2;
    tags.title = L"Benchmark";
    const std::wstring source(book.begin(), book.end()), dir(out.begin(), out.end());
    const double start = Now();
    {
        thread_pool pool(1);
        CSplitTask task(detector, &chunks, true, 0, source.c_str(), (dir + L"/").c_str(), L"Benchmark", 1,
            500, tags, boost::ref(waiter), 30000);
        task.Start(pool);
        waiter.Wait();
    }
    return Now() - start;
}

// libmpg123 alone, at the output the splitter's decoder uses: 8-bit mono at a quarter of the rate.
double DecodeOnly(const std::string& book)
{
    const double start = Now();
    mpg123_init();
    int error = 0;
    mpg123_handle* handle = mpg123_new(nullptr, &error);
    mpg123_param(handle, MPG123_DOWN_SAMPLE, 2, 0);
    mpg123_param(handle, MPG123_FLAGS, MPG123_FORCE_MONO | MPG123_FORCE_8BIT | MPG123_QUIET, 0);
    if (mpg123_open(handle, book.c_str()) != MPG123_OK) {
        std::printf("mpg123 cannot open %s\n", book.c_str());
        return -1;
    }
    std::vector<unsigned char> buffer(65536);
    std::size_t got = 0;
    double energy = 0;
    for (;;) {
        const int r = mpg123_read(handle, buffer.data(), buffer.size(), &got);
        for (std::size_t i = 0; i < got; ++i)
            energy += double(buffer[i]) * buffer[i]; // the same per-sample work as the loudness sum
        if (r == MPG123_DONE || (r != MPG123_OK && r != MPG123_NEW_FORMAT))
            break;
    }
    mpg123_close(handle);
    mpg123_delete(handle);
    std::printf("(decode check value %.0f)\n", energy / 1e9);
    return Now() - start;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string work = argc > 1 ? argv[1] : (fs::temp_directory_path() / "vellomar-bench").string();
    fs::create_directories(work);
    const std::string book = MakeAudiobook(work);
    if (book.empty()) {
        std::printf("could not make the audiobook (espeak-ng, sox and lame are needed)\n");
        return 1;
    }
    std::printf("audiobook: %s, %.1f MiB\n", book.c_str(), fs::file_size(book) / 1048576.0);

    Waiter waiter;
    const double split = SplitWithTask(book, work + "/parts", waiter);
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    const double peakMiB = usage.ru_maxrss / 1024.0, largestMiB = waiter.largest / 1048576.0;
    std::printf("split: %.2f s, status %d, %d parts, largest part %.1f MiB, peak memory %.1f MiB\n", split,
        waiter.status, waiter.parts, largestMiB, peakMiB);

    const double decode = DecodeOnly(book);
    std::printf("libmpg123 decode alone: %.2f s\n", decode);

    fs::remove_all(work + "/mp3splt");
    fs::create_directories(work + "/mp3splt");
    const double start = Now();
    const bool ok
        = Run("mp3splt -q -s -p th=-40,min=0.5 -d '" + work + "/mp3splt' '" + book + "' >/dev/null 2>&1");
    const double mp3splt = Now() - start;
    std::printf("mp3splt -s: %.2f s%s\n", mp3splt, ok ? "" : " (failed or missing)");

    std::printf("\nsplit / decode alone: %.2f (target at most 1.25)\n", split / decode);
    std::printf("mp3splt / split: %.2f (target at least 2.5)\n", mp3splt / split);
    std::printf("peak memory - largest part: %.1f MiB (target below 32 MiB)\n", peakMiB - largestMiB);
    return 0;
}
