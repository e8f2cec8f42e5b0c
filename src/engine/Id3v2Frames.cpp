// ID3v2.3 frame layouts: header, UTF-16 and Latin-1 text frames, the comment frame.
#include "engine/Id3v2Frames.h"

namespace {

void PutUtf16Unit(TByteBuffer& buffer, unsigned unit)
{
    buffer.push_back(static_cast<unsigned char>(unit & 0xFF));
    buffer.push_back(static_cast<unsigned char>((unit >> 8) & 0xFF));
}

} // namespace

bool WriteId3v2Frame(TByteBuffer& buffer, const std::string& id, const TByteBuffer& payload)
{
    if (id.size() != 4 || payload.size() > MaxId3v2FramePayload)
        return false;
    buffer.insert(buffer.end(), id.begin(), id.end());
    const std::size_t size = payload.size();
    buffer.push_back(static_cast<unsigned char>(size >> 24));
    buffer.push_back(static_cast<unsigned char>(size >> 16));
    buffer.push_back(static_cast<unsigned char>(size >> 8));
    buffer.push_back(static_cast<unsigned char>(size));
    buffer.push_back(0);
    buffer.push_back(0);
    buffer.insert(buffer.end(), payload.begin(), payload.end());
    return true;
}

void WriteUtf16String(TByteBuffer& buffer, const std::wstring& text)
{
    buffer.push_back(0xFF);
    buffer.push_back(0xFE);
    for (wchar_t c : text) {
        unsigned long code = static_cast<unsigned long>(c);
        if (code > 0xFFFF && code <= 0x10FFFF) {
            // wchar_t holds whole code points here; UTF-16 needs a surrogate pair for these.
            code -= 0x10000;
            PutUtf16Unit(buffer, 0xD800 + unsigned(code >> 10));
            PutUtf16Unit(buffer, 0xDC00 + unsigned(code & 0x3FF));
        } else if (code > 0x10FFFF) {
            PutUtf16Unit(buffer, 0xFFFD);
        } else {
            PutUtf16Unit(buffer, unsigned(code));
        }
    }
    buffer.push_back(0);
    buffer.push_back(0);
}

bool WriteId3v2TextFrame(TByteBuffer& buffer, const std::string& id, const std::wstring& text)
{
    TByteBuffer payload;
    payload.reserve(3 + 2 * text.size() + 2);
    payload.push_back(0x01);
    WriteUtf16String(payload, text);
    return WriteId3v2Frame(buffer, id, payload);
}

bool WriteId3v2Latin1TextFrame(TByteBuffer& buffer, const std::string& id, const std::string& text)
{
    TByteBuffer payload;
    payload.push_back(0x00);
    payload.insert(payload.end(), text.begin(), text.end());
    payload.push_back(0x00);
    return WriteId3v2Frame(buffer, id, payload);
}

bool WriteId3v2CommentFrame(TByteBuffer& buffer, const std::wstring& comment)
{
    TByteBuffer payload;
    payload.reserve(10 + 2 * comment.size() + 2);
    payload.push_back(0x01);
    payload.insert(payload.end(), 3, 0x20);
    // The empty description carries its own byte-order mark: libavformat drops the whole frame
    // when a UTF-16 string lacks one.
    WriteUtf16String(payload, std::wstring());
    WriteUtf16String(payload, comment);
    return WriteId3v2Frame(buffer, "COMM", payload);
}
