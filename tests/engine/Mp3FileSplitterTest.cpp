// End-to-end splits of real lame-encoded speech: nothing lost, cut places, decodability, tags, failures.
#include "engine/Mp3FileSplitter.h"
#include "engine/AudioChunks.h"
#include "engine/AudioProcessor.h"
#include "engine/LogStore.h"
#include "engine/MpegAudioHeader.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/xingheader.h>

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

typedef std::vector<unsigned char> Bytes;

struct TFrame {
    Bytes bytes;
    std::uint32_t duration; // 100 ns
};

std::uint32_t HeaderAt(const Bytes& d, std::size_t i)
{
    return (std::uint32_t(d[i]) << 24) | (std::uint32_t(d[i + 1]) << 16) | (std::uint32_t(d[i + 2]) << 8)
        | d[i + 3];
}

bool IsInfoFrame(const Bytes& frame)
{
    const std::size_t at = 4 + GetMpegSideInfoSize(HeaderAt(frame, 0));
    if (frame.size() < at + 4)
        return false;
    const std::string tag(frame.begin() + at, frame.begin() + at + 4);
    return tag == "Xing" || tag == "Info";
}

// The MPEG audio frames of a file, without its ID3 tags; optionally without a leading Xing/Info frame.
std::vector<TFrame> AudioFrames(const Bytes& d, bool dropInfoFrame)
{
    std::size_t i = 0, end = d.size();
    if (end >= 10 && d[0] == 'I' && d[1] == 'D' && d[2] == '3')
        i = 10 + ((d[6] << 21) | (d[7] << 14) | (d[8] << 7) | d[9]);
    if (end >= 128 && d[end - 128] == 'T' && d[end - 127] == 'A' && d[end - 126] == 'G')
        end -= 128;
    // An APEv2 tag ends in a 32-byte footer: "APETAGEX", version, the size without the header,
    // item count and flags (bit 31: a header too).
    if (end >= 32 && std::string(d.begin() + end - 32, d.begin() + end - 24) == "APETAGEX") {
        const std::size_t size
            = d[end - 20] | (d[end - 19] << 8) | (d[end - 18] << 16) | (std::size_t(d[end - 17]) << 24);
        end -= size + (d[end - 9] & 0x80 ? 32 : 0);
    }
    std::vector<TFrame> frames;
    while (i + 4 <= end) {
        TMpegAudioHeader h;
        if (!ParseMpegAudioHeader(HeaderAt(d, i), h) || h.frameSize == 0 || i + h.frameSize > end) {
            ADD_FAILURE() << "no frame at byte " << i;
            break;
        }
        frames.push_back({ Bytes(d.begin() + i, d.begin() + i + h.frameSize), h.duration });
        i += h.frameSize;
    }
    if (dropInfoFrame && !frames.empty() && IsInfoFrame(frames[0].bytes))
        frames.erase(frames.begin());
    return frames;
}

std::vector<TFrame> AudioFramesOf(const std::string& path, bool dropInfoFrame)
{
    return AudioFrames(ReadFileBytes(path), dropInfoFrame);
}

// Frames whose bytes after the header (and CRC) are all zero: the silence the writer adds.
bool IsSilentFrame(const Bytes& f)
{
    const std::size_t from = (f[1] & 1) ? 4 : 6;
    return std::all_of(f.begin() + from, f.end(), [](unsigned char b) { return b == 0; });
}

std::vector<TFrame> WithoutSilence(std::vector<TFrame> frames)
{
    while (!frames.empty() && IsSilentFrame(frames.front().bytes))
        frames.erase(frames.begin());
    while (!frames.empty() && IsSilentFrame(frames.back().bytes))
        frames.pop_back();
    return frames;
}

double Seconds(const std::vector<TFrame>& frames)
{
    std::uint64_t total = 0;
    for (const TFrame& f : frames)
        total += f.duration;
    return total / 1e7;
}

std::string Narrow(const std::wstring& w)
{
    return std::string(w.begin(), w.end());
}

struct TPause {
    double start, end;
};

std::vector<TPause> KnownPauses()
{
    std::ifstream in(DataPath("split/pauses.txt"));
    std::vector<TPause> pauses;
    TPause p;
    while (in >> p.start >> p.end)
        pauses.push_back(p);
    return pauses;
}

// Runs `command` and gives its exit status; its output goes to `output`.
int RunCommand(const std::string& command, std::string& output)
{
    output.clear();
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return -1;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe))
        output += buffer;
    return pclose(pipe);
}

struct TSettings {
    std::uint32_t lengthMs = 5000;
    std::uint32_t minimumPauseMs = 500;
    std::uint32_t threshold = 8;
    unsigned searchWindowMs = 0;
    unsigned silenceMs = 0;
    std::wstring baseName = L"Book";
    TId3TagInfo tags;
    std::vector<std::wstring> protectedFiles;
};

// One run of the splitter, on the calling thread, with everything it reported.
struct TRun {
    std::vector<CMp3FileSplitter::TStatus> statuses;
    std::vector<std::wstring> files;
    CMp3FileSplitter::TStatus Final() const { return statuses.back(); }
    std::vector<TFrame> PartFrames(bool keepSilence = false) const
    {
        std::vector<TFrame> all;
        for (const std::wstring& f : files) {
            std::vector<TFrame> frames = AudioFramesOf(Narrow(f), true);
            if (!keepSilence)
                frames = WithoutSilence(frames);
            all.insert(all.end(), frames.begin(), frames.end());
        }
        return all;
    }
};

class SplitRun {
public:
    explicit SplitRun(const TSettings& s)
        : settings(s)
        , processor(new CAudioProcessor)
    {
        processor->SetThreshold(s.threshold);
        processor->SetCutPosition(0.8f);
        processor->SetMinimumPause(s.minimumPauseMs);
        processor->SetAnalysisStart(s.lengthMs);
        detector = processor;
    }

    TRun Split(const std::string& source, const std::string& dir, bool last = true, unsigned firstTrack = 1,
        int cancelAfterFiles = -1)
    {
        TRun run;
        std::wstring wsource(source.begin(), source.end()), wdir(dir.begin(), dir.end());
        CMp3FileSplitter splitter(detector, &chunks, last, wsource, wdir + L"/", settings.searchWindowMs);
        splitter.SetBaseName(settings.baseName);
        splitter.SetId3TagInfo(settings.tags);
        splitter.SetFirstTrackNumber(firstTrack);
        splitter.SetAdditionalSilenceDuration(settings.silenceMs);
        splitter.SetProtectedFiles(settings.protectedFiles);
        splitter.SetStatusNotifier([&run](CMp3FileSplitter::TStatus s) { run.statuses.push_back(s); });
        splitter.SetFileWrittenNotifier([&](const std::wstring& path) {
            run.files.push_back(path);
            if (cancelAfterFiles >= 0 && int(run.files.size()) >= cancelAfterFiles)
                splitter.Cancel();
        });
        splitter.Split();
        return run;
    }

    TSettings settings;
    boost::shared_ptr<CAudioProcessor> processor;
    boost::shared_ptr<ISplitPointDetectorFsm> detector;
    AudioChunks chunks;
};

void ExpectSameFrames(const std::vector<TFrame>& expected, const std::vector<TFrame>& actual)
{
    ASSERT_EQ(expected.size(), actual.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        ASSERT_TRUE(expected[i].bytes == actual[i].bytes) << "frame " << i << " differs";
}

const char* const Fixtures[] = { "split/cbr-mpeg1.mp3", "split/vbr-mpeg1.mp3", "split/cbr-mpeg2-crc.mp3",
    "split/vbr-mpeg2.mp3", "split/vbr-mpeg1-stereo.mp3" };

// Encoder delay of lame (576 + 529 samples) in seconds: where the wave's time 0 lies in the stream.
double EncoderDelay(const std::vector<TFrame>& frames)
{
    TMpegAudioHeader h;
    ParseMpegAudioHeader(HeaderAt(frames[0].bytes, 0), h);
    return 1105.0 / h.sampleRate;
}

class EveryFixture : public ::testing::TestWithParam<const char*> { };

} // namespace

// ---------------------------------------------------------------------------------------------
// Nothing is lost

TEST_P(EveryFixture, PartsHoldEveryAudioFrameOfTheSourceInOrder)
{
    TempDir dir("split");
    TSettings s;
    s.silenceMs = 500;
    s.tags.createTag = true;
    s.tags.version = TId3TagInfo::EId3v1AndV2;
    s.tags.title = L"Chapter";
    SplitRun run(s);
    TRun r = run.Split(DataPath(GetParam()), dir.Path());
    ASSERT_EQ(CMp3FileSplitter::EDone, r.Final().result);
    EXPECT_EQ(100, r.Final().percent);
    ASSERT_GE(r.files.size(), 2u);
    EXPECT_EQ(int(r.files.size()) + 1, r.Final().nextTrack);
    ExpectSameFrames(AudioFramesOf(DataPath(GetParam()), true), r.PartFrames());
    EXPECT_TRUE(run.chunks.IsEmpty());
}

TEST_P(EveryFixture, EveryPartDecodesCleanlyWithAnIndependentDecoder)
{
    TempDir dir("decode");
    TSettings s;
    s.silenceMs = 500;
    s.tags.createTag = true;
    s.tags.version = TId3TagInfo::EId3v1AndV2;
    SplitRun run(s);
    TRun r = run.Split(DataPath(GetParam()), dir.Path());
    ASSERT_EQ(CMp3FileSplitter::EDone, r.Final().result);
    for (const std::wstring& f : r.files) {
        std::string out;
        int rc = RunCommand("ffmpeg -nostdin -v error -xerror -i '" + Narrow(f) + "' -f null -", out);
        EXPECT_EQ(0, rc) << Narrow(f) << ": " << out;
        EXPECT_EQ("", out) << Narrow(f);
    }
}

INSTANTIATE_TEST_SUITE_P(RealEncoderOutput, EveryFixture, ::testing::ValuesIn(Fixtures));
// mp3gain puts an APEv2 tag between the last frame and the ID3v1 tag.
INSTANTIATE_TEST_SUITE_P(LoudnessTagged, EveryFixture, ::testing::Values("split/mp3gain-apev2.mp3"));

TEST(MergedSources, ContinueOneStreamOfPartsAndOneNumbering)
{
    TempDir dir("merge");
    TSettings s;
    s.searchWindowMs = 750;
    SplitRun run(s);
    const std::string src = DataPath("split/cbr-mpeg1.mp3");
    TRun first = run.Split(src, dir.Path(), false, 1);
    ASSERT_EQ(CMp3FileSplitter::EDone, first.Final().result);
    EXPECT_FALSE(run.chunks.IsEmpty()); // the frames after the last cut wait for the next file
    TRun second = run.Split(src, dir.Path(), true, unsigned(first.Final().nextTrack));
    ASSERT_EQ(CMp3FileSplitter::EDone, second.Final().result);

    TRun all;
    all.files = first.files;
    all.files.insert(all.files.end(), second.files.begin(), second.files.end());
    for (std::size_t i = 0; i < all.files.size(); ++i)
        EXPECT_EQ(dir.Path() + "/Book " + std::to_string(i + 1) + ".mp3", Narrow(all.files[i]));
    std::vector<TFrame> expected = AudioFramesOf(src, true), again = expected;
    expected.insert(expected.end(), again.begin(), again.end());
    ExpectSameFrames(expected, all.PartFrames());
}

// ---------------------------------------------------------------------------------------------
// Where the cuts fall

TEST(TimeBasedCutting, EveryPartButTheLastIsTheTargetLengthAndLessThanOneFrameMore)
{
    for (const char* fixture : Fixtures) {
        TempDir dir("time");
        TSettings s;
        s.minimumPauseMs = 0;
        s.lengthMs = 7000;
        SplitRun run(s);
        TRun r = run.Split(DataPath(fixture), dir.Path());
        ASSERT_EQ(CMp3FileSplitter::EDone, r.Final().result) << fixture;
        ASSERT_GE(r.files.size(), 3u) << fixture;
        for (std::size_t i = 0; i + 1 < r.files.size(); ++i) {
            std::vector<TFrame> frames = AudioFramesOf(Narrow(r.files[i]), true);
            const double length = Seconds(frames), frame = frames.back().duration / 1e7;
            EXPECT_GE(length, 7.0) << fixture << " part " << i + 1;
            // The detector counts whole milliseconds and wants more than the target: 1 ms of slack.
            EXPECT_LT(length, 7.001 + frame) << fixture << " part " << i + 1;
        }
        ExpectSameFrames(AudioFramesOf(DataPath(fixture), true), r.PartFrames());
    }
}

TEST(PauseBasedCutting, EveryCutLiesInsideALongEnoughPauseAtTheCutPosition)
{
    const std::vector<TPause> pauses = KnownPauses();
    ASSERT_FALSE(pauses.empty());
    for (const char* fixture : Fixtures) {
        if (std::string(fixture).find("stereo") != std::string::npos)
            continue; // a short file with one pause; it has no pause list of its own
        TempDir dir("pause");
        TSettings s;
        SplitRun run(s);
        TRun r = run.Split(DataPath(fixture), dir.Path());
        ASSERT_EQ(CMp3FileSplitter::EDone, r.Final().result) << fixture;
        ASSERT_GE(r.files.size(), 2u) << fixture;
        const double delay = EncoderDelay(AudioFramesOf(DataPath(fixture), true));
        double cut = 0;
        for (std::size_t i = 0; i + 1 < r.files.size(); ++i) {
            cut += Seconds(AudioFramesOf(Narrow(r.files[i]), true));
            const double wave = cut - delay;
            bool inside = false;
            for (const TPause& p : pauses) {
                const double length = p.end - p.start;
                const double expected = p.start + 0.8 * length;
                if (length > 0.5 && std::abs(wave - expected) < 0.15)
                    inside = true;
            }
            EXPECT_TRUE(inside) << fixture << ": cut " << i + 1 << " at " << wave << " s of the wave";
            EXPECT_GE(cut, 5.0) << fixture;
        }
    }
}

TEST(SearchWindow, KeepsAShortLastPartFromStandingAlone)
{
    // With 2.5 s parts the last cut falls in the pause that ends 2.7 s before the end of the file.
    const std::string src = DataPath("split/cbr-mpeg1.mp3");
    TSettings s;
    s.lengthMs = 2500;
    std::vector<double> alone, joined;
    {
        TempDir dir("nowindow");
        SplitRun run(s);
        TRun r = run.Split(src, dir.Path());
        ASSERT_EQ(CMp3FileSplitter::EDone, r.Final().result);
        for (const std::wstring& f : r.files)
            alone.push_back(Seconds(AudioFramesOf(Narrow(f), true)));
    }
    ASSERT_GE(alone.size(), 3u);
    ASSERT_LT(alone.back(), 3.0);
    {
        TempDir dir("window");
        s.searchWindowMs = 3000;
        SplitRun run(s);
        TRun r = run.Split(src, dir.Path());
        ASSERT_EQ(CMp3FileSplitter::EDone, r.Final().result);
        for (const std::wstring& f : r.files)
            joined.push_back(Seconds(AudioFramesOf(Narrow(f), true)));
        ExpectSameFrames(AudioFramesOf(src, true), r.PartFrames());
    }
    // The same cuts, but the short last part joins the one before it.
    ASSERT_EQ(alone.size() - 1, joined.size());
    for (std::size_t i = 0; i + 1 < joined.size(); ++i)
        EXPECT_NEAR(alone[i], joined[i], 1e-6);
    EXPECT_NEAR(alone[alone.size() - 2] + alone.back(), joined.back(), 1e-6);
}

// ---------------------------------------------------------------------------------------------
// What the parts carry

TEST(PartContent, TagsReadBackWithAnIndependentReader)
{
    TempDir dir("tags");
    TSettings s;
    s.tags.createTag = true;
    s.tags.version = TId3TagInfo::EId3v1AndV2;
    s.tags.trackDigits = 2;
    s.tags.title = L"Kapitel \u00c4rger \u0141\u00f3d\u017a";
    s.tags.album = L"The Album";
    s.tags.artist = L"Some Artist";
    s.tags.genre = L"Audiobook";
    s.tags.comment = L"A comment \u00e9";
    SplitRun run(s);
    TRun r = run.Split(DataPath("split/vbr-mpeg2.mp3"), dir.Path());
    ASSERT_EQ(CMp3FileSplitter::EDone, r.Final().result);
    ASSERT_GE(r.files.size(), 2u);
    for (std::size_t i = 0; i < r.files.size(); ++i) {
        char number[8];
        std::snprintf(number, sizeof number, "%02u", unsigned(i + 1));
        EXPECT_EQ(dir.Path() + "/Book " + number + ".mp3", Narrow(r.files[i]));
        TagLib::MPEG::File file(Narrow(r.files[i]).c_str());
        ASSERT_TRUE(file.isValid());
        TagLib::ID3v2::Tag* v2 = file.ID3v2Tag();
        ASSERT_TRUE(v2 && !v2->isEmpty());
        EXPECT_EQ(3u, v2->header()->majorVersion());
        EXPECT_EQ(s.tags.title + L" " + std::wstring(number, number + 2), v2->title().toWString());
        EXPECT_EQ(L"Some Artist", v2->artist().toWString());
        EXPECT_EQ(L"The Album", v2->album().toWString());
        EXPECT_EQ(L"Audiobook", v2->genre().toWString());
        EXPECT_EQ(L"A comment \u00e9", v2->comment().toWString());
        EXPECT_EQ(i + 1, v2->track());
        TagLib::ID3v1::Tag* v1 = file.ID3v1Tag();
        ASSERT_TRUE(v1 && !v1->isEmpty());
        EXPECT_EQ(i + 1, v1->track());
        EXPECT_EQ(L"Some Artist", v1->artist().toWString());
        EXPECT_EQ(L"Speech", v1->genre().toWString()); // genre 101
    }
    // Players built on libavformat drop a comment frame that TagLib reads; ffprobe is one of them.
    std::string comment;
    EXPECT_EQ(0,
        RunCommand("ffprobe -v error -show_entries format_tags=comment -of default=nw=1:nk=1 '"
                + Narrow(r.files[0]) + "'",
            comment));
    EXPECT_EQ("A comment \xc3\xa9\n", comment);
}

TEST(PartContent, AnEmptyGenreReadsBackAsGenre101)
{
    TempDir dir("genre");
    TSettings s;
    s.tags.createTag = true;
    s.tags.version = TId3TagInfo::EId3v2;
    s.tags.trackNumberFirst = true;
    s.tags.title = L"Story";
    SplitRun run(s);
    TRun r = run.Split(DataPath("split/cbr-mpeg1.mp3"), dir.Path());
    ASSERT_EQ(CMp3FileSplitter::EDone, r.Final().result);
    EXPECT_EQ(dir.Path() + "/1 Book.mp3", Narrow(r.files[0]));
    TagLib::MPEG::File file(Narrow(r.files[0]).c_str());
    ASSERT_TRUE(file.ID3v2Tag());
    EXPECT_EQ(L"1 Story", file.ID3v2Tag()->title().toWString());
    EXPECT_EQ(L"Speech", file.ID3v2Tag()->genre().toWString()); // "(101)" is the ID3v1 genre Speech
    EXPECT_FALSE(file.hasID3v1Tag());
}

TEST(PartContent, AVbrPartsXingFrameCountsItsFramesAndBytes)
{
    for (const char* fixture :
        { "split/vbr-mpeg1.mp3", "split/vbr-mpeg2.mp3", "split/vbr-mpeg1-stereo.mp3" }) {
        TempDir dir("xing");
        TSettings s;
        s.lengthMs = 3000;
        s.silenceMs = 500;
        SplitRun run(s);
        TRun r = run.Split(DataPath(fixture), dir.Path());
        ASSERT_EQ(CMp3FileSplitter::EDone, r.Final().result) << fixture;
        ASSERT_GE(r.files.size(), 2u) << fixture;
        for (const std::wstring& f : r.files) {
            std::vector<TFrame> frames = AudioFramesOf(Narrow(f), false);
            ASSERT_TRUE(IsInfoFrame(frames[0].bytes)) << Narrow(f);
            std::uint64_t bytes = 0;
            for (const TFrame& frame : frames)
                bytes += frame.bytes.size();
            TagLib::MPEG::File file(Narrow(f).c_str());
            ASSERT_TRUE(file.audioProperties() && file.audioProperties()->xingHeader()) << Narrow(f);
            const TagLib::MPEG::XingHeader* xing = file.audioProperties()->xingHeader();
            EXPECT_TRUE(xing->isValid());
            EXPECT_EQ(frames.size() - 1, xing->totalFrames()) << Narrow(f);
            EXPECT_EQ(bytes, xing->totalSize()) << Narrow(f);
        }
    }
}

TEST(PartContent, ACbrSourceGetsNoXingFrame)
{
    TempDir dir("cbr");
    SplitRun run { TSettings() };
    TRun r = run.Split(DataPath("split/cbr-mpeg1.mp3"), dir.Path());
    ASSERT_EQ(CMp3FileSplitter::EDone, r.Final().result);
    for (const std::wstring& f : r.files)
        EXPECT_FALSE(IsInfoFrame(AudioFramesOf(Narrow(f), false)[0].bytes));
}

TEST(PartContent, SilenceGoesBetweenPartsButNotAtTheOuterEnds)
{
    // Cuts in pauses and cuts by time alone (no minimum pause) get the same silence.
    for (std::uint32_t minimumPauseMs : { 500u, 0u }) {
        SCOPED_TRACE(minimumPauseMs ? "cut in pauses" : "cut by time");
        TempDir dir("silence");
        TSettings s;
        s.silenceMs = 500;
        s.minimumPauseMs = minimumPauseMs;
        SplitRun run(s);
        LogStore::Instance().Clear();
        TRun r = run.Split(DataPath("split/cbr-mpeg2-crc.mp3"), dir.Path());
        ASSERT_EQ(CMp3FileSplitter::EDone, r.Final().result);
        ASSERT_GE(r.files.size(), 3u);
        // 16 kHz MPEG-2 frames last 36 ms: 500 ms of silence is 13 frames.
        for (std::size_t i = 0; i < r.files.size(); ++i) {
            std::vector<TFrame> frames = AudioFramesOf(Narrow(r.files[i]), false);
            std::size_t leading = 0, trailing = 0;
            while (IsSilentFrame(frames[leading].bytes))
                ++leading;
            while (IsSilentFrame(frames[frames.size() - 1 - trailing].bytes))
                ++trailing;
            EXPECT_EQ(i == 0 ? 0u : 13u, leading) << "part " << i + 1;
            EXPECT_EQ(i + 1 == r.files.size() ? 0u : 13u, trailing) << "part " << i + 1;
        }
        const std::vector<std::wstring> lines = LogStore::Instance().Lines();
        EXPECT_NE(lines.end(),
            std::find(lines.begin(), lines.end(),
                L"INFO: Mp3FileSplitter: Prepended 13 silent frames with total duration of 468 ms\n"));
    }
}

// ---------------------------------------------------------------------------------------------
// Failures and cancel

TEST(Failures, AnUnreadableSourceEndsWithReadError)
{
    TempDir dir("missing");
    SplitRun run { TSettings() };
    TRun r = run.Split(dir.File("does-not-exist.mp3"), dir.Path());
    ASSERT_EQ(1u, r.statuses.size());
    EXPECT_EQ(CMp3FileSplitter::EReadError, r.Final().result);
    EXPECT_EQ(0, r.Final().percent);
    EXPECT_TRUE(r.Final().finished);
    EXPECT_TRUE(r.files.empty());
}

TEST(Failures, ANonMp3FileEndsWithInvalidData)
{
    TempDir dir("garbage");
    Bytes text;
    for (int i = 0; i < 20000; ++i)
        text.push_back(static_cast<unsigned char>("this is not audio at all. "[i % 26]));
    WriteFileBytes(dir.File("text.mp3"), text);
    SplitRun run { TSettings() };
    TRun r = run.Split(dir.File("text.mp3"), dir.Path());
    EXPECT_EQ(CMp3FileSplitter::EInvalidData, r.Final().result);
    EXPECT_TRUE(r.files.empty());
}

TEST(Failures, AnUnwritableDestinationEndsWithWriteErrorAndKeepsTheFrames)
{
    TempDir dir("nodest");
    SplitRun run { TSettings() };
    LogStore::Instance().Clear();
    TRun r = run.Split(DataPath("split/cbr-mpeg1.mp3"), dir.File("no/such/dir"));
    EXPECT_EQ(CMp3FileSplitter::EWriteError, r.Final().result);
    EXPECT_TRUE(r.files.empty());
    EXPECT_EQ(1, r.Final().nextTrack);
    EXPECT_FALSE(run.chunks.IsEmpty());
    const std::vector<std::wstring> lines = LogStore::Instance().Lines();
    EXPECT_NE(lines.end(),
        std::find(lines.begin(), lines.end(),
            L"ERROR: Could not create file " + std::wstring(dir.Path().begin(), dir.Path().end())
                + L"/no/such/dir/Book 1.mp3\n"));
}

TEST(Failures, AFullDiskEndsWithWriteErrorInsteadOfSuccess)
{
    TempDir dir("full");
    fs::create_symlink("/dev/full", dir.File("Book 2.mp3"));
    SplitRun run { TSettings() };
    TRun r = run.Split(DataPath("split/cbr-mpeg1.mp3"), dir.Path());
    EXPECT_EQ(CMp3FileSplitter::EWriteError, r.Final().result);
    ASSERT_EQ(1u, r.files.size()); // part 1 was whole; part 2 never was
    EXPECT_EQ(2, r.Final().nextTrack);
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir.File("Book 2.mp3")))) << "the incomplete part stays";
    EXPECT_FALSE(run.chunks.IsEmpty()) << "the frames that could not be written were dropped";
    // Part 1 plus what is still buffered is still the whole source up to where reading stopped.
    std::vector<TFrame> parts = AudioFramesOf(Narrow(r.files[0]), true);
    std::vector<TFrame> source = AudioFramesOf(DataPath("split/cbr-mpeg1.mp3"), true);
    ASSERT_LE(parts.size() + run.chunks.GetChunkCount(), source.size());
    EXPECT_TRUE(std::equal(parts.begin(), parts.end(), source.begin(),
        [](const TFrame& a, const TFrame& b) { return a.bytes == b.bytes; }));
    const Bytes& buffered = run.chunks.GetBytes();
    Bytes expected;
    for (std::size_t i = parts.size(); i < parts.size() + run.chunks.GetChunkCount(); ++i)
        expected.insert(expected.end(), source[i].bytes.begin(), source[i].bytes.end());
    EXPECT_TRUE(expected == buffered);
}

TEST(Failures, APartNeverReplacesItsOwnSource)
{
    TempDir dir("self");
    fs::copy_file(DataPath("split/cbr-mpeg1.mp3"), dir.File("Book 1.mp3"));
    const Bytes before = ReadFileBytes(dir.File("Book 1.mp3"));
    SplitRun run { TSettings() };
    TRun r = run.Split(dir.File("Book 1.mp3"), dir.Path());
    EXPECT_EQ(CMp3FileSplitter::EWriteError, r.Final().result);
    EXPECT_TRUE(before == ReadFileBytes(dir.File("Book 1.mp3")));
}

TEST(Failures, APartNeverReplacesAnotherSourceOfTheRun)
{
    // Merged sources A.mp3 and "Book 2.mp3" in one directory: part 2 of A would be the second source.
    TempDir dir("other");
    fs::copy_file(DataPath("split/cbr-mpeg1.mp3"), dir.File("A.mp3"));
    fs::copy_file(DataPath("split/vbr-mpeg1.mp3"), dir.File("Book 2.mp3"));
    const Bytes before = ReadFileBytes(dir.File("Book 2.mp3"));
    TSettings s;
    const std::string second = dir.File("Book 2.mp3");
    s.protectedFiles.push_back(std::wstring(second.begin(), second.end()));
    SplitRun run(s);
    TRun r = run.Split(dir.File("A.mp3"), dir.Path(), false);
    EXPECT_EQ(CMp3FileSplitter::EWriteError, r.Final().result);
    ASSERT_EQ(1u, r.files.size());
    EXPECT_EQ(dir.File("Book 1.mp3"), Narrow(r.files[0]));
    EXPECT_TRUE(before == ReadFileBytes(dir.File("Book 2.mp3")));
    EXPECT_FALSE(run.chunks.IsEmpty()) << "the frames of the refused part stay buffered";
}

TEST(Failures, ABaseNameWithASlashStaysInTheDestination)
{
    TempDir dir("slash");
    TSettings s;
    s.baseName = L"../escape";
    SplitRun run(s);
    TRun r = run.Split(DataPath("split/cbr-mpeg1.mp3"), dir.Path());
    ASSERT_EQ(CMp3FileSplitter::EDone, r.Final().result);
    EXPECT_EQ(dir.Path() + "/.. escape 1.mp3", Narrow(r.files[0]));
}

TEST(Cancel, KeepsThePartsWrittenAndEndsWithCancelled)
{
    TempDir dir("cancel");
    SplitRun run { TSettings() };
    TRun r = run.Split(DataPath("split/cbr-mpeg1.mp3"), dir.Path(), true, 1, 1);
    EXPECT_EQ(CMp3FileSplitter::ECancelled, r.Final().result);
    ASSERT_EQ(1u, r.files.size());
    EXPECT_TRUE(fs::exists(Narrow(r.files[0])));
    EXPECT_GT(r.Final().percent, 0);
    EXPECT_LT(r.Final().percent, 100);
    EXPECT_TRUE(run.chunks.IsEmpty());
    EXPECT_EQ(ISplitPointDetectorFsm::ESearchAndIgnoreSignal, run.detector->GetState());
}

TEST(EmptySource, WritesNothingButFinishesTheFramesCarriedIntoTheLastFile)
{
    TempDir dir("empty");
    WriteFileBytes(dir.File("empty.mp3"), Bytes());
    {
        SplitRun run { TSettings() };
        TRun r = run.Split(dir.File("empty.mp3"), dir.Path(), true, 4);
        EXPECT_EQ(CMp3FileSplitter::EDone, r.Final().result);
        EXPECT_EQ(100, r.Final().percent);
        EXPECT_EQ(4, r.Final().nextTrack);
        EXPECT_TRUE(r.files.empty());
    }
    {
        SplitRun run { TSettings() };
        TRun first = run.Split(DataPath("split/cbr-mpeg1.mp3"), dir.Path(), false);
        ASSERT_FALSE(run.chunks.IsEmpty());
        TRun last = run.Split(dir.File("empty.mp3"), dir.Path(), true, unsigned(first.Final().nextTrack));
        EXPECT_EQ(CMp3FileSplitter::EDone, last.Final().result);
        ASSERT_EQ(1u, last.files.size());
        EXPECT_TRUE(run.chunks.IsEmpty());
        first.files.push_back(last.files[0]);
        ExpectSameFrames(AudioFramesOf(DataPath("split/cbr-mpeg1.mp3"), true), first.PartFrames());
    }
}

TEST(Progress, ComesOncePerWholePercentAndEndsWithOneFinalStatus)
{
    TempDir dir("progress");
    SplitRun run { TSettings() };
    TRun r = run.Split(DataPath("split/cbr-mpeg1.mp3"), dir.Path());
    ASSERT_GE(r.statuses.size(), 2u);
    EXPECT_EQ(0, r.statuses[0].percent);
    for (std::size_t i = 0; i + 1 < r.statuses.size(); ++i) {
        EXPECT_FALSE(r.statuses[i].finished);
        EXPECT_EQ(0, r.statuses[i].result);
        if (i > 0) {
            EXPECT_GT(r.statuses[i].percent, r.statuses[i - 1].percent);
        }
    }
    EXPECT_TRUE(r.Final().finished);
    EXPECT_LE(r.statuses.size(), 102u);
}
