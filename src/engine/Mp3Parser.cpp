// Cuts an MP3 stream into its elements: audio frames, the VBR information frame and ID3 tags.
#include "engine/Mp3Parser.h"

#include "engine/Log.h"
#include "engine/StreamReader.h"

#include <boost/format.hpp>
#include <cstring>

namespace {

const unsigned Id3v2HeaderSize = 10;
const unsigned Id3v1TagSize = 128;
const unsigned FrameHeaderSize = 4;

uint32_t BigEndian16(const unsigned char* p)
{
    return (uint32_t(p[0]) << 8) | p[1];
}

uint32_t BigEndian32(const unsigned char* p)
{
    return ReadBigEndian32(p);
}

void LogValue(const wchar_t* format, uint32_t value)
{
    LogInfo((boost::wformat(format) % value).str());
}

// APEv2 ("APETAGEX", written by taggers and mp3gain) and Lyrics3 ("LYRICSBEGIN") tags sit between
// the last frame and any ID3v1 tag. They end the audio like an ID3 tag does, but belong to no
// element: their bytes are skipped one at a time.
bool IsApeOrLyrics3Marker(const unsigned char* bytes)
{
    return std::memcmp(bytes, "APE", 3) == 0 || std::memcmp(bytes, "LYR", 3) == 0;
}

} // namespace

CMp3Parser::CMp3Parser(std::istream& stream)
    : reader(new StreamReader(stream))
    , step(0)
    , header()
    , frameCount(0)
    , ended(false)
{
}

CMp3Parser::~CMp3Parser() = default;

unsigned CMp3Parser::TranslateReaderError(unsigned readerResult)
{
    switch (readerResult) {
    case StreamReader::EOk:
        return 0;
    case StreamReader::EReadError:
        LogError(L"MP3 parser: StreamReader::EReadError");
        return EReadError;
    case StreamReader::EEndOfFile:
        LogInfo(L"MP3 parser: StreamReader::EEndOfFile");
        return EEndOfFile;
    default:
        LogError((boost::wformat(L"MP3 parser: Error code %d") % readerResult).str());
        return EReadError;
    }
}

unsigned CMp3Parser::ReadNextElement(TElement& element)
{
    // The end stays the end: a last frame cut short by the end of the file leaves bytes behind that
    // would otherwise be searched again, and could even yield frames after the end was reported.
    if (ended) {
        element = TElement { nullptr, 0, nullptr };
        return TranslateReaderError(StreamReader::EEndOfFile);
    }
    const unsigned result = ReadElement(element);
    if (result == EEndOfFile)
        ended = true;
    // A longer read may have refilled the buffer after the first three bytes were seen; point a
    // one-byte element at their current place so the caller never holds a stale pointer.
    if (element.size == 1) {
        const unsigned char* start = nullptr;
        element.data = reader->Read(1, start) == StreamReader::EOk ? start : nullptr;
    }
    return result;
}

unsigned CMp3Parser::ReadElement(TElement& element)
{
    element.data = nullptr;
    element.size = 0;
    element.header = nullptr;

    reader->Advance(step);

    const unsigned char* start = nullptr;
    unsigned result = reader->Read(3, start);
    if (result != StreamReader::EOk) {
        const unsigned translated = TranslateReaderError(result);
        Trace(L"Could not read frame start.");
        return translated;
    }
    step = 1;
    element.data = start;
    element.size = 1;

    if (!IsFrameSync(start)) {
        if (IsId3v2Marker(start)) {
            result = reader->Read(Id3v2HeaderSize, start);
            if (result != StreamReader::EOk) {
                const unsigned translated = TranslateReaderError(result);
                LogError(L"Could not read ID3v2 header.");
                return translated;
            }
            const uint32_t size = ((uint32_t(start[6] & 0x7F) << 21) | (uint32_t(start[7] & 0x7F) << 14)
                                      | (uint32_t(start[8] & 0x7F) << 7) | uint32_t(start[9] & 0x7F))
                + Id3v2HeaderSize;
            LogInfo((boost::wformat(L"ID3v2 tag (%d bytes)") % size).str());
            result = reader->Read(size, start);
            if (result != StreamReader::EOk) {
                const unsigned translated = TranslateReaderError(result);
                LogError(L"Could not read ID3v2 tag data.");
                return translated;
            }
            element.data = start;
            element.size = size;
            step = size;
            return EId3v2Tag;
        }
        if (IsId3v1Marker(start)) {
            LogInfo(L"ID3v1 tag (128 bytes)");
            result = reader->Read(Id3v1TagSize, start);
            if (result != StreamReader::EOk) {
                const unsigned translated = TranslateReaderError(result);
                LogError(L"Could not read ID3v1 tag data.");
                return translated;
            }
            element.data = start;
            element.size = Id3v1TagSize;
            step = Id3v1TagSize;
            return EId3v1Tag;
        }
        return ENoSync;
    }

    ++frameCount;

    result = reader->Read(FrameHeaderSize, start);
    if (result != StreamReader::EOk) {
        const unsigned translated = TranslateReaderError(result);
        LogError(L"Could not read Mpeg audio header.");
        return translated;
    }
    if (!ParseMpegAudioHeader(BigEndian32(start), header)) {
        LogWarn(L"Mpeg audio header is invalid.");
        return ENoSync;
    }
    if (header.frameSize == 0) {
        LogError(L"Free bitrates are not supported (frame size unknown).");
        return ENoSync;
    }

    const uint32_t frameSize = header.frameSize;
    result = reader->Read(frameSize + 3, start);
    if (result == StreamReader::EOk) {
        const unsigned char* next = start + frameSize;
        if (!IsFrameSync(next) && !IsId3v1Marker(next) && !IsId3v2Marker(next)
            && !IsApeOrLyrics3Marker(next)) {
            LogError(L"Start of next frame not found. Lost sync.");
            step = frameSize * 8 / 10;
            return EInvalidFrame;
        }
    } else {
        TranslateReaderError(result);
        result = reader->Read(frameSize, start);
        if (result != StreamReader::EOk) {
            const unsigned translated = TranslateReaderError(result);
            LogError(L"Could not read frame data.");
            return translated;
        }
    }

    element.data = start;
    element.size = frameSize;
    element.header = &header;
    step = frameSize;
    if (frameCount == 1 && IsVbrInfoFrame(start, frameSize))
        return EVbrInfoFrame;
    return EAudioFrame;
}

bool CMp3Parser::IsVbrInfoFrame(const unsigned char* frame, uint32_t size)
{
    return IsXingFrame(frame, size) || IsVBRIFrame(frame, size);
}

bool CMp3Parser::IsXingFrame(const unsigned char* frame, uint32_t size)
{
    if (size < FrameHeaderSize)
        return false;
    const uint32_t tagOffset = FrameHeaderSize + GetMpegSideInfoSize(BigEndian32(frame));
    // The tag and its flags must lie inside the frame; otherwise this is no information frame.
    if (size < tagOffset + 8)
        return false;
    const unsigned char* p = frame + tagOffset;
    if (std::memcmp(p, "Xing", 4) != 0 && std::memcmp(p, "Info", 4) != 0)
        return false;
    LogInfo(L"IsXingFrame: Xing VBR frame found.");

    const unsigned char* const end = frame + size;
    p += 4;
    const uint32_t flags = ReadBigEndian32(p);
    // Optional fields that would run past the frame are left unread.
    if (flags & 1) {
        if (end - p < 4)
            return true;
        LogValue(L"XING VBR frames: %d", ReadBigEndian32(p));
    }
    if (flags & 2) {
        if (end - p < 4)
            return true;
        LogValue(L"XING VBR bytes: %d", ReadBigEndian32(p));
    }
    if (flags & 4) {
        if (end - p < 100)
            return true;
        p += 100;
    }
    if (flags & 8) {
        if (end - p < 4)
            return true;
        LogValue(L"XING VBR scale: %d", ReadBigEndian32(p));
    }
    return true;
}

bool CMp3Parser::IsVBRIFrame(const unsigned char* frame, uint32_t size)
{
    // Tag at 36 and the fields up to byte 54; a shorter frame carries no VBRI header.
    if (size < 54 || std::memcmp(frame + 36, "VBRI", 4) != 0)
        return false;
    LogInfo(L"IsVBRIFrame: VBRI frame found.");
    LogValue(L"VBRI version: %d", BigEndian16(frame + 40));
    LogValue(L"VBRI delay: %d", BigEndian16(frame + 42));
    LogValue(L"VBRI quality: %d", BigEndian16(frame + 44));
    LogValue(L"VBRI bytes: %d", BigEndian32(frame + 46));
    LogValue(L"VBRI frames: %d", BigEndian32(frame + 50));
    return true;
}

bool CMp3Parser::IsFrameSync(const unsigned char* bytes)
{
    return bytes[0] == 0xFF && (bytes[1] & 0xE0) == 0xE0;
}

bool CMp3Parser::IsId3v2Marker(const unsigned char* bytes)
{
    return bytes[0] == 'I' && bytes[1] == 'D' && bytes[2] == '3';
}

bool CMp3Parser::IsId3v1Marker(const unsigned char* bytes)
{
    return bytes[0] == 'T' && bytes[1] == 'A' && bytes[2] == 'G';
}
