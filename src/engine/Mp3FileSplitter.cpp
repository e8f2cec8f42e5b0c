// The split of one source file: frame loop, cut handling and the writing of each part file.
#include "engine/Mp3FileSplitter.h"

#include "engine/AcmMp3Decoder.h"
#include "engine/ByteCursor.h"
#include "engine/Id3v2Frames.h"
#include "engine/Log.h"
#include "engine/MpegAudioHeader.h"
#include "engine/MpegFrameCrc.h"
#include "engine/NativePath.h"
#include "engine/SplitPointDetectorFsm.h"
#include "engine/ThreadPool.h"
#include "engine/Utf8.h"

#include <algorithm>
#include <boost/bind/bind.hpp>
#include <boost/format.hpp>
#include <cmath>
#include <cstdio>
#include <exception>
#include <sys/stat.h>
#include <wx/strconv.h>

namespace {

const std::uint32_t NoWriteAheadLimit = 0xFFFFFFFFu;
// Consecutive unusable elements after which the source counts as garbage.
const unsigned MaxBadElementsInRow = 10;
// Analysed audio without a split point after which the search gives up (two hours).
const std::uint32_t MaxAnalysisMs = 7200000;
const std::uint32_t Id3v2Padding = 200;
// A synchsafe size has 28 bits.
const std::size_t MaxId3v2TagSize = 0x0FFFFFFF;

// True when both paths name one existing file (so a part would overwrite its own source).
bool SameFile(const std::string& a, const std::string& b)
{
    struct stat sa, sb;
    if (stat(a.c_str(), &sa) != 0 || stat(b.c_str(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

// The base name must not lead out of the destination directory.
std::wstring SafeBaseName(const std::wstring& name)
{
    std::wstring safe = name;
    std::replace(safe.begin(), safe.end(), L'/', L' ');
    std::replace(safe.begin(), safe.end(), L'\0', L' ');
    return safe;
}

// ID3v1 fields are Latin-1: the low byte of each character, cut at the field size.
void PutLatin1Field(unsigned char* field, std::size_t size, const std::wstring& text)
{
    for (std::size_t i = 0; i < size && i < text.size(); ++i)
        field[i] = static_cast<unsigned char>(static_cast<unsigned long>(text[i]) & 0xFF);
}

} // namespace

CMp3FileSplitter::CMp3FileSplitter(const boost::shared_ptr<ISplitPointDetectorFsm>& detector,
    AudioChunks* chunks, bool lastPartOfRun, const std::wstring& sourceFileName,
    const std::wstring& destinationDirectory, unsigned searchWindowMs)
    : detector(detector)
    , chunks(chunks)
    , lastPartOfRun(lastPartOfRun)
    , sourceFileName(sourceFileName)
    , destinationDirectory(destinationDirectory)
    , searchWindowMs(searchWindowMs)
{
    std::uint32_t ignored = 0;
    if (this->detector)
        this->detector->GetChunkCount(ignored);
}

CMp3FileSplitter::~CMp3FileSplitter() = default;

void CMp3FileSplitter::SetFirstTrackNumber(unsigned n)
{
    partNumber = n;
}

void CMp3FileSplitter::SetFileWrittenNotifier(const TFileWrittenNotifier& notifier)
{
    fileWrittenNotifier = notifier;
}

void CMp3FileSplitter::SetStatusNotifier(const TStatusNotifier& notifier)
{
    statusNotifier = notifier;
}

void CMp3FileSplitter::SetBaseName(const std::wstring& name)
{
    baseName = name;
}

void CMp3FileSplitter::SetId3TagInfo(const TId3TagInfo& info)
{
    tagInfo = info;
}

void CMp3FileSplitter::SetProtectedFiles(const std::vector<std::wstring>& paths)
{
    protectedFiles = paths;
}

void CMp3FileSplitter::SetAdditionalSilenceDuration(unsigned ms)
{
    LogInfo((boost::wformat(L"Mp3FileSplitter:SetAdditionalSilenceDuration %d ms") % ms).str());
    additionalSilenceMs = ms;
}

bool CMp3FileSplitter::Start(thread_pool& pool)
{
    if (started)
        return false;
    started = true;
    pool.schedule(boost::bind(&CMp3FileSplitter::Split, this));
    return true;
}

void CMp3FileSplitter::Cancel()
{
    cancelRequested = true;
}

void CMp3FileSplitter::Notify(int percent, bool finished, int result)
{
    if (!statusNotifier)
        return;
    TStatus status;
    status.percent = percent;
    status.nextTrack = static_cast<int>(partNumber);
    status.finished = finished;
    status.result = result;
    statusNotifier(status);
}

void CMp3FileSplitter::Split()
{
    Trace((boost::wformat(L"Mp3FileSplitter: Start splitting %s") % sourceFileName).str());
    if (!statusNotifier)
        LogWarn(L"Mp3FileSplitter: Status notifier is not setup");
    const std::uint32_t startNumber = partNumber;
    int percent = 0;
    int result;
    try {
        result = Run(startNumber, percent);
    } catch (const std::exception& e) {
        // Only library code throws (memory, a part beyond 4 GiB); the run still ends with a status.
        LogError((boost::wformat(L"Mp3FileSplitter: Unexpected failure: %s") % FromUtf8(e.what())).str());
        if (output.is_open())
            DiscardPartFile();
        detector->Reset();
        result = ESplitError;
    }
    Notify(percent, true, result);
}

int CMp3FileSplitter::Run(std::uint32_t startNumber, int& percent)
{
    // Only a regular file is a source: opening a named pipe would wait for a writer for ever, and a
    // device or a directory has no size and no frames.
    const std::string sourcePath = NativePath(sourceFileName);
    struct stat sourceInfo;
    if (stat(sourcePath.c_str(), &sourceInfo) != 0 || !S_ISREG(sourceInfo.st_mode)) {
        percent = 0;
        return EReadError;
    }
    std::ifstream input(sourcePath.c_str(), std::ios::in | std::ios::binary);
    if (!input.is_open()) {
        percent = 0;
        return EReadError;
    }
    // 64-bit size: sources of 4 GiB and more are split, and their progress stays right.
    input.seekg(0, std::ios::end);
    const std::streamoff end = input.tellg();
    if (end < 0) {
        percent = 0;
        return EReadError;
    }
    const std::uint64_t size = static_cast<std::uint64_t>(end);
    if (size == 0) {
        percent = 100;
        // Frames carried from earlier merged files would be lost if the last file is empty.
        if (lastPartOfRun && !chunks->IsEmpty())
            return FinishLastSource(startNumber, percent);
        return EDone;
    }
    input.clear();
    input.seekg(0, std::ios::beg);

    int result;
    {
        CAcmMp3Decoder decoder(input);
        result = Decode(decoder, size, startNumber, percent);
    }
    input.close();
    return result;
}

int CMp3FileSplitter::Decode(
    IMp3Decoder& decoder, std::uint64_t size, std::uint32_t startNumber, int& percent)
{
    std::uint64_t consumed = 0;
    unsigned badInRow = 0;
    int lastPercent = -1;
    for (;;) {
        percent = static_cast<int>(std::min<double>(100.0, static_cast<double>(consumed) * 100.0 / size));
        if (cancelRequested) {
            chunks->Clear();
            detector->Reset();
            return ECancelled;
        }
        IMp3Decoder::TFrameInfo frame;
        const int decoded = decoder.Decode(frame, 0);
        consumed += frame.bytesConsumed;
        if (decoded == IMp3Decoder::EOk) {
            badInRow = 0;
            const int r = ProcessFrame(frame);
            if (r != 0)
                return r;
            if (percent != lastPercent) {
                Notify(percent, false, 0);
                lastPercent = percent;
            }
        } else if (decoded == IMp3Decoder::EBadFrame) {
            if (++badInRow >= MaxBadElementsInRow)
                return DecoderFailure(decoded);
        } else if (decoded == IMp3Decoder::EEndOfFile) {
            if (!lastPartOfRun) {
                // The frames after the last cut stay buffered and start the next file's first part.
                const int r = pendingCut > 0 ? WriteChunk(pendingCut) : 0;
                percent = 100;
                return r;
            }
            return FinishLastSource(startNumber, percent);
        } else {
            return DecoderFailure(decoded);
        }
    }
}

int CMp3FileSplitter::FinishLastSource(std::uint32_t startNumber, int& percent)
{
    // Everything still buffered, also the frames after a pending cut, forms the last part.
    const int written = WritePart(true);
    detector->Reset();
    if (written != 0) {
        LogError(L"Could not write data");
        percent = 99;
        return EWriteError;
    }
    percent = 100;
    if (startNumber < partNumber) {
        if (startNumber == partNumber - 1)
            LogWarn(L"Mp3FileSplitter: Track was not split");
        return EDone;
    }
    LogError(L"Mp3FileSplitter: No valid data was found in the source files: Invalid MP3 file");
    return EInvalidData;
}

int CMp3FileSplitter::DecoderFailure(int decoderResult)
{
    if (WritePart(true) != 0)
        LogError(L"Could not write data");
    detector->Reset();
    switch (decoderResult) {
    case IMp3Decoder::EReadError:
        return EReadError;
    case IMp3Decoder::ENoMp3Data:
        return EInvalidData;
    case IMp3Decoder::ESetupFailed:
        return EDecoderError;
    default:
        LogError(
            L"Mp3FileSplitter: Too many invalid frames in a row. Most probably the file contains garbage.");
        return EInvalidData;
    }
}

void CMp3FileSplitter::CaptureSilentFrame(const IMp3Decoder::TFrameInfo& frame)
{
    if (frame.length < 4)
        return;
    silentFrameMs = frame.duration / 10000;
    std::vector<unsigned char> silent(frame.length, 0);
    std::copy(frame.data, frame.data + 4, silent.begin());
    const unsigned char* cursor = frame.data;
    const std::uint32_t header = GetBigEndian32(cursor);
    if ((header & 0x10000u) == 0)
        ComputeMpegFrameCrc(silent, GetMpegSideInfoSize(header));
    silentFrame.Clear();
    silentFrame.Add(silent.data(), static_cast<std::uint32_t>(silent.size()));
}

int CMp3FileSplitter::ProcessFrame(const IMp3Decoder::TFrameInfo& frame)
{
    chunks->Add(frame.data, frame.length);

    if (!vbr && lastBitrate > 0 && frame.bitrate != lastBitrate) {
        LogInfo(L"Mp3FileSplitter: VBR stream detected");
        vbr = true;
    }

    const int state = detector->GetState();
    const std::uint32_t frameMs = frame.duration / 10000;
    // Frames are at least 8 ms long; a zero would only come from a broken header.
    const std::uint32_t safeFrameMs = std::max<std::uint32_t>(frameMs, 1);

    if (additionalSilenceMs > 0 && silentFrame.IsEmpty())
        CaptureSilentFrame(frame);

    std::uint32_t scratch = 0;
    int r;
    if (state == ISplitPointDetectorFsm::ESearchAndIgnoreSignal) {
        r = detector->ProcessIgnoreStep(frame.duration, scratch);
        analyseFrames = 0;
    } else {
        const float energy = frame.energy;
        std::uint32_t level = 0;
        if (energy >= 1.0f)
            level = energy >= 4294967040.0f ? 0xFFFFFFFFu : static_cast<std::uint32_t>(energy);
        r = detector->ProcessAnalyseStep(frame.duration, level, scratch);
        ++analyseFrames;
        if (analyseFrames > MaxAnalysisMs / safeFrameMs)
            return ENoSplitPoint;
    }

    lastBitrate = frame.bitrate;

    if (r <= 0 || r > ISplitPointDetectorFsm::ESplitPointFound)
        return ESplitError;

    if (r != ISplitPointDetectorFsm::ESplitPointFound) {
        if (chunks->GetChunkCount() > writeAheadLimit)
            return WriteChunk(pendingCut);
        return 0;
    }

    if (pendingCut > 0) {
        // Write the waiting cut first so that the new index counts from the same chunk as the buffer.
        const int w = WriteChunk(pendingCut);
        if (w != 0)
            return w;
    }

    analyseFrames = 0;
    std::uint32_t index = 0;
    if (detector->GetSplitChunk(index) != ISplitPointDetectorFsm::ESplitPointFound)
        return ESplitError;
    std::uint32_t count = 0;
    detector->GetChunkCount(count);
    if (detector->Reset() != ISplitPointDetectorFsm::ESearchAndIgnoreSignal)
        return ESplitError;
    // The frames after the cut belong to the next part: count them again so that its length runs
    // from the cut.
    for (std::uint32_t i = index; i < count; ++i)
        detector->ProcessIgnoreStep(frame.duration, scratch);

    if (searchWindowMs == 0)
        return WriteChunk(index);
    pendingCut = index;
    writeAheadLimit = searchWindowMs / safeFrameMs + chunks->GetChunkCount();
    return 0;
}

int CMp3FileSplitter::WriteChunk(std::uint32_t index)
{
    const std::uint32_t count = chunks->GetChunkCount();
    if (count < index) {
        LogError(
            (boost::wformat(L"Mp3FileSplitter: Chunk index out of range (%d, %d)") % count % index).str());
        return ESplitError;
    }
    chunks->Split(index, tail);
    // A cut always has more of the stream after it, even when it falls after the newest frame.
    const int w = WritePart(false);
    if (w == 0)
        chunks->Set(tail);
    else
        chunks->Append(tail); // nothing is dropped when the part could not be written
    tail.Clear();
    return w;
}

// ---------------------------------------------------------------------------------------------
// Part writing

std::wstring CMp3FileSplitter::PartNumberText() const
{
    std::wstring number = std::to_wstring(partNumber);
    const std::size_t width = std::min<std::uint32_t>(tagInfo.trackDigits, 10);
    if (number.size() < width)
        number.insert(0, width - number.size(), L'0');
    return number;
}

std::uint32_t CMp3FileSplitter::SilentFrameCount() const
{
    if (silentFrame.IsEmpty() || silentFrameMs == 0)
        return 0;
    return additionalSilenceMs / silentFrameMs;
}

int CMp3FileSplitter::OpenNextFile()
{
    if (output.is_open())
        return 0;
    const std::wstring number = PartNumberText();
    const std::wstring base = SafeBaseName(baseName);
    std::wstring name;
    if (base.empty())
        name = (boost::wformat(L"%s%s.mp3") % destinationDirectory % number).str();
    else if (tagInfo.trackNumberFirst)
        name = (boost::wformat(L"%s%s %s.mp3") % destinationDirectory % number % base).str();
    else
        name = (boost::wformat(L"%s%s %s.mp3") % destinationDirectory % base % number).str();
    currentFileName = name;

    const std::string path = NativePath(name);
    if (SameFile(path, NativePath(sourceFileName))) {
        // Replacing the file that is being read would destroy the rest of the source.
        LogError((boost::wformat(L"Could not create file %s") % name).str());
        LogError(L"Mp3FileSplitter: The part file would replace its own source file");
        return EWriteError;
    }
    for (const std::wstring& source : protectedFiles) {
        if (SameFile(path, NativePath(source))) {
            // Another source of the run, perhaps not read yet: replacing it would lose its audio.
            LogError((boost::wformat(L"Could not create file %s") % name).str());
            LogError(L"Mp3FileSplitter: The part file would replace a source file of this run");
            return EWriteError;
        }
    }
    output.open(path.c_str(), std::ios::out | std::ios::binary | std::ios::trunc);
    if (!output.is_open()) {
        output.clear();
        LogError((boost::wformat(L"Could not create file %s") % name).str());
        return EWriteError;
    }
    return 0;
}

void CMp3FileSplitter::AddSilence(bool append)
{
    if (silentFrame.IsEmpty() || silentFrameMs == 0)
        return;
    const std::uint32_t n = additionalSilenceMs / silentFrameMs;
    AudioChunks silence;
    const std::vector<std::uint8_t>& frame = silentFrame.GetBytes();
    for (std::uint32_t i = 0; i < n; ++i)
        silence.Add(frame.data(), static_cast<std::uint32_t>(frame.size()));
    if (append) {
        chunks->Append(silence);
        LogInfo((boost::wformat(L"Mp3FileSplitter: Appended %d silent frames with total duration of %d ms")
            % n % (n * silentFrameMs))
                    .str());
    } else {
        chunks->Prepend(silence);
        LogInfo((boost::wformat(L"Mp3FileSplitter: Prepended %d silent frames with total duration of %d ms")
            % n % (n * silentFrameMs))
                    .str());
    }
}

void CMp3FileSplitter::RemoveSilence(std::uint32_t leading, std::uint32_t trailing)
{
    if (trailing > 0 && chunks->GetChunkCount() >= trailing) {
        AudioChunks dropped;
        chunks->Split(chunks->GetChunkCount() - trailing, dropped);
    }
    if (leading > 0 && chunks->GetChunkCount() > leading) {
        AudioChunks rest;
        chunks->Split(leading, rest);
        chunks->Set(rest);
    }
}

void CMp3FileSplitter::DiscardPartFile()
{
    output.close();
    output.clear();
    std::remove(NativePath(currentFileName).c_str());
}

int CMp3FileSplitter::WritePart(bool last)
{
    if (!chunks->IsEmpty()) {
        const int r = OpenNextFile();
        if (r != 0)
            return r;

        const std::wstring number = PartNumberText();
        std::wstring title1, title2;
        if (tagInfo.title.empty()) {
            title1 = title2 = number;
        } else if (tagInfo.trackNumberFirst) {
            title1 = title2 = (boost::wformat(L"%s %s") % number % tagInfo.title).str();
        } else {
            title1 = (boost::wformat(L"%s %s") % tagInfo.title.substr(0, 26) % number).str();
            title2 = (boost::wformat(L"%s %s") % tagInfo.title % number).str();
        }

        if (tagInfo.WantsId3v2Tag())
            WriteId3v23Tag(output, title2, tagInfo.artist, tagInfo.album, tagInfo.genre, tagInfo.comment,
                std::to_wstring(partNumber));

        const std::uint32_t silentFrames = SilentFrameCount();
        std::uint32_t leading = 0, trailing = 0;
        if (partNumber >= 2) {
            AddSilence(false);
            leading = silentFrames;
        }
        if (!last) {
            AddSilence(true);
            trailing = silentFrames;
        }

        const std::vector<std::uint8_t>& bytes = chunks->GetBytes();
        if (vbr && bytes.size() >= 4) {
            const unsigned char* cursor = bytes.data();
            WriteVBRFRame(output, chunks->GetChunkCount(), chunks->GetByteCount(), GetBigEndian32(cursor));
        }
        // The frames leave the buffer only once the whole part is known to be on disk.
        output.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        Trace((boost::wformat(L"AudioChunks: Flushed %d bytes") % bytes.size()).str());

        if (tagInfo.WantsId3v1Tag())
            WriteId3v1Tag(output, title1, tagInfo.artist, tagInfo.album, tagInfo.comment,
                static_cast<std::uint8_t>(partNumber % 256));
        output.flush();
        output.close();
        if (output.fail()) {
            // A part that is not whole on disk (a full disk, an I/O error) is no part: remove it,
            // keep its frames buffered and end the run with a write error.
            LogError((boost::wformat(L"Could not write file %s") % currentFileName).str());
            DiscardPartFile();
            RemoveSilence(leading, trailing);
            return EWriteError;
        }
        chunks->Clear();
        if (fileWrittenNotifier)
            fileWrittenNotifier(currentFileName);
        ++partNumber;
    }
    pendingCut = 0;
    writeAheadLimit = NoWriteAheadLimit;
    return 0;
}

void CMp3FileSplitter::WriteVBRFRame(
    std::ostream& output, std::uint32_t frames, std::uint32_t bytes, std::uint32_t header)
{
    std::uint32_t h = header;
    // Only a Layer III Xing frame keeps a CRC; other layers protect different bits.
    if ((h & 0x10000u) == 0 && ((h >> 17) & 3u) != 1u)
        h |= 0x10000u;
    TMpegAudioHeader parsed;
    if (!ParseMpegAudioHeader(h, parsed)) {
        LogWarn(L"WriteVBRFRame: Mpeg audio header is invalid");
        return;
    }
    const std::uint32_t side = GetMpegSideInfoSize(h);
    while (parsed.frameSize < 4 + side + 116) {
        if (!IncreaseBitrateIndex(h)) {
            LogWarn(L"WriteVBRFRame: Frame size too small to insert VBR info");
            return;
        }
        if (!ParseMpegAudioHeader(h, parsed)) {
            LogWarn(L"WriteVBRFRame: Mpeg audio header is invalid");
            return;
        }
    }
    std::vector<unsigned char> frame(parsed.frameSize, 0);
    unsigned char* cursor = frame.data();
    PutBigEndian32(cursor, h);
    cursor = frame.data() + 4 + side;
    *cursor++ = 'X';
    *cursor++ = 'i';
    *cursor++ = 'n';
    *cursor++ = 'g';
    PutBigEndian32(cursor, 7);
    PutBigEndian32(cursor, frames);
    PutBigEndian32(cursor, bytes + parsed.frameSize);
    for (unsigned i = 0; i < 100; ++i)
        *cursor++ = static_cast<unsigned char>(i * 255 / 100);
    if ((h & 0x10000u) == 0)
        ComputeMpegFrameCrc(frame, side);
    output.write(reinterpret_cast<const char*>(frame.data()), static_cast<std::streamsize>(frame.size()));
    Trace((boost::wformat(L"Wrote XING frame (%d bytes)") % frame.size()).str());
}

void CMp3FileSplitter::WriteId3v23Tag(std::ostream& output, const std::wstring& title,
    const std::wstring& artist, const std::wstring& album, const std::wstring& genre,
    const std::wstring& comment, const std::wstring& track)
{
    TByteBuffer buffer;
    if (!title.empty() && !WriteId3v2TextFrame(buffer, "TIT2", title)) {
        LogError(L"WriteId3v23Tag: Error while creating title frame");
        return;
    }
    if (!artist.empty() && !WriteId3v2TextFrame(buffer, "TPE1", artist)) {
        LogError(L"WriteId3v23Tag: Error while creating artist frame");
        return;
    }
    if (!album.empty() && !WriteId3v2TextFrame(buffer, "TALB", album)) {
        LogError(L"WriteId3v23Tag: Error while creating album frame");
        return;
    }
    if (!comment.empty() && !WriteId3v2CommentFrame(buffer, comment)) {
        LogError(L"WriteId3v23Tag: Error while creating comment frame");
        return;
    }
    const bool genreOk = genre.empty() ? WriteId3v2Latin1TextFrame(buffer, "TCON", "(101)")
                                       : WriteId3v2TextFrame(buffer, "TCON", genre);
    if (!genreOk) {
        LogError(L"WriteId3v23Tag: Error while creating genre frame");
        return;
    }
    if (!WriteId3v2TextFrame(buffer, "TRCK", track)) {
        LogError(L"WriteId3v23Tag: Error while creating track number frame");
        return;
    }
    buffer.insert(buffer.end(), Id3v2Padding, 0);
    if (buffer.size() > MaxId3v2TagSize) {
        // Its size would not fit the tag header's 28 bits.
        LogError(L"WriteId3v23Tag: Tag too large");
        return;
    }

    const std::size_t size = buffer.size();
    const unsigned char header[10] = { 'I', 'D', '3', 3, 0, 0,
        static_cast<unsigned char>((size >> 21) & 0x7F), static_cast<unsigned char>((size >> 14) & 0x7F),
        static_cast<unsigned char>((size >> 7) & 0x7F), static_cast<unsigned char>(size & 0x7F) };
    output.write(reinterpret_cast<const char*>(header), sizeof header);
    output.write(reinterpret_cast<const char*>(buffer.data()), static_cast<std::streamsize>(buffer.size()));
    Trace((boost::wformat(L"Wrote ID3v2.x tag (%s bytes)") % (size + 10)).str());
}

void CMp3FileSplitter::WriteId3v1Tag(std::ostream& output, const std::wstring& title,
    const std::wstring& artist, const std::wstring& album, const std::wstring& comment, std::uint8_t track)
{
    unsigned char tag[128] = { 0 };
    tag[0] = 'T';
    tag[1] = 'A';
    tag[2] = 'G';
    PutLatin1Field(tag + 3, 30, title);
    PutLatin1Field(tag + 33, 30, artist);
    PutLatin1Field(tag + 63, 30, album);
    PutLatin1Field(tag + 97, 28, comment);
    tag[125] = 0;
    tag[126] = track;
    tag[127] = 101;
    output.write(reinterpret_cast<const char*>(tag), sizeof tag);
    Trace(L"Wrote ID3v1.1 tag (128 bytes)");
}
