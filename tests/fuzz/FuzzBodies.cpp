// The bodies of the fuzz targets, shared by the libFuzzer programs and the regression test.
#include "FuzzBodies.h"

#include "engine/AcmMp3Decoder.h"
#include "engine/AudioChunks.h"
#include "engine/AudioProcessor.h"
#include "engine/Mp3FileSplitter.h"
#include "engine/Mp3Parser.h"

#include <boost/shared_ptr.hpp>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fuzz_bodies {

namespace {

void Fail(const char* what)
{
    std::fprintf(stderr, "fuzz invariant broken: %s\n", what);
    std::abort();
}

void Check(bool condition, const char* what)
{
    if (!condition)
        Fail(what);
}

// Reads every byte of an element so that the address sanitizer sees an element that points
// outside its buffer.
unsigned TouchBytes(const unsigned char* data, std::uint32_t size)
{
    unsigned sum = 0;
    for (std::uint32_t i = 0; i < size; ++i)
        sum += data[i];
    return sum;
}

std::string AsString(const std::uint8_t* data, std::size_t size)
{
    return std::string(reinterpret_cast<const char*>(data), size);
}

} // namespace

void ParseAll(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(AsString(data, size));
    CMp3Parser parser(in);
    CMp3Parser::TElement element;
    volatile unsigned sink = 0;
    // Every call that does not end the stream moves on by at least one byte.
    for (std::size_t calls = 0; calls <= size + 1; ++calls) {
        unsigned result = parser.ReadNextElement(element);
        Check(
            result >= CMp3Parser::EAudioFrame && result <= CMp3Parser::ENoSync, "parser result out of range");
        if (result == CMp3Parser::EEndOfFile) {
            Check(parser.ReadNextElement(element) == result, "parser did not stay at the end");
            return;
        }
        if (result == CMp3Parser::EReadError)
            return;
        Check(element.size <= size, "element longer than the input");
        if (element.size > 0) {
            Check(element.data != nullptr, "element without data");
            sink = sink + TouchBytes(element.data, element.size);
        }
        if (result == CMp3Parser::EAudioFrame || result == CMp3Parser::EVbrInfoFrame)
            Check(element.header != nullptr && element.size >= 4, "frame without its header");
    }
    Fail("parser did not reach the end of the input");
}

void DecodeAll(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(AsString(data, size));
    CAcmMp3Decoder decoder(in);
    IMp3Decoder::TFrameInfo info;
    volatile unsigned sink = 0;
    std::size_t consumed = 0;
    for (std::size_t calls = 0; calls <= size + 1; ++calls) {
        int result = decoder.Decode(info, 0);
        Check(
            result >= IMp3Decoder::EOk && result <= IMp3Decoder::ESetupFailed, "decoder result out of range");
        if (result == IMp3Decoder::EEndOfFile) {
            Check(decoder.Decode(info, 0) == IMp3Decoder::EEndOfFile, "decoder did not stay at the end");
            return;
        }
        if (result != IMp3Decoder::EOk && result != IMp3Decoder::EBadFrame)
            return;
        consumed += info.bytesConsumed;
        Check(consumed <= size, "decoder consumed more bytes than the input holds");
        Check(info.length <= info.bytesConsumed, "element longer than the bytes consumed");
        Check(info.bytesConsumed > 0, "decoder did not move on");
        if (info.length > 0) {
            Check(info.data != nullptr, "element without data");
            sink = sink + TouchBytes(info.data, info.length);
        }
        if (result == IMp3Decoder::EOk) {
            Check(info.energy >= 0.0f && info.energy <= 16384.0f, "energy out of range");
            Check(info.duration > 0 && info.bitrate > 0, "audio frame without duration or bitrate");
        }
    }
    Fail("decoder did not reach the end of the input");
}

namespace {

// A fresh directory for one input, removed with everything in it at the end.
class ScratchDir {
public:
    ScratchDir()
    {
        const char* base = std::getenv("VELLOMAR_FUZZ_SCRATCH");
        std::string pattern
            = (base ? std::string(base) : std::filesystem::temp_directory_path().string()) + "/split-XXXXXX";
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        Check(mkdtemp(buffer.data()) != nullptr, "cannot create a scratch directory");
        path = buffer.data();
    }
    ~ScratchDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::filesystem::path path;
};

} // namespace

void SplitAll(const std::uint8_t* data, std::size_t size)
{
    ScratchDir scratch;
    const std::filesystem::path source = scratch.path / "source.mp3";
    const std::filesystem::path parts = scratch.path / "parts";
    {
        std::ofstream out(source, std::ios::binary);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        Check(bool(out), "cannot write the source");
    }
    std::filesystem::create_directory(parts);

    // One-second parts, cut by time alone or in pauses, with and without silence, tags and search window.
    const unsigned mode = size % 4;
    boost::shared_ptr<CAudioProcessor> processor(new CAudioProcessor);
    processor->SetAnalysisStart(1000);
    processor->SetMinimumPause(mode & 1 ? 100 : 0);
    processor->SetThreshold(200);
    boost::shared_ptr<ISplitPointDetectorFsm> detector = processor;
    AudioChunks chunks;

    TId3TagInfo tags;
    tags.createTag = (mode & 2) != 0;
    tags.version = TId3TagInfo::EId3v1AndV2;
    tags.trackDigits = 3;
    tags.title = L"T\u00eftle \u6587";
    tags.artist = L"Artist";
    tags.comment = L"Comment";

    std::vector<CMp3FileSplitter::TStatus> statuses;
    std::vector<std::wstring> written;
    CMp3FileSplitter splitter(
        detector, &chunks, true, source.wstring(), parts.wstring() + L"/", mode & 1 ? 300 : 0);
    splitter.SetBaseName(L"Book");
    splitter.SetId3TagInfo(tags);
    splitter.SetFirstTrackNumber(1);
    splitter.SetAdditionalSilenceDuration(mode & 2 ? 500 : 0);
    splitter.SetStatusNotifier([&statuses](CMp3FileSplitter::TStatus s) { statuses.push_back(s); });
    splitter.SetFileWrittenNotifier([&written](const std::wstring& path) { written.push_back(path); });
    splitter.Split();

    Check(!statuses.empty() && statuses.back().finished, "the run sent no final status");
    for (std::size_t i = 0; i + 1 < statuses.size(); ++i)
        Check(!statuses[i].finished && statuses[i].result == 0,
            "a status before the final one is not progress");
    const CMp3FileSplitter::TStatus& last = statuses.back();
    Check(last.percent >= 0 && last.percent <= 100, "percentage out of range");
    Check(last.result >= CMp3FileSplitter::EDone && last.result <= CMp3FileSplitter::ENoSplitPoint,
        "result out of range");
    // Neither a broken detector protocol nor two hours of analysis can come from a small input.
    Check(last.result != CMp3FileSplitter::ESplitError, "split engine error");
    Check(last.result != CMp3FileSplitter::ENoSplitPoint, "no split point in a short input");
    Check(last.nextTrack == static_cast<int>(written.size()) + 1,
        "part numbers do not match the parts written");
    Check(detector->GetState() == ISplitPointDetectorFsm::ESearchAndIgnoreSignal, "detector not reset");
    if (last.result != CMp3FileSplitter::EWriteError)
        Check(chunks.IsEmpty(), "frames left behind after the last part");

    // Every part that was reported exists, is not empty, and nothing else was written.
    std::set<std::wstring> reported(written.begin(), written.end());
    Check(reported.size() == written.size(), "a part was reported twice");
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(parts)) {
        ++files;
        Check(reported.count(entry.path().wstring()) == 1, "a file was written that was not reported");
        Check(entry.file_size() > 0, "an empty part");
    }
    Check(files == written.size(), "a reported part is missing");
}

} // namespace fuzz_bodies
