// Builders of ID3v2.3 frames into an in-memory tag buffer.
#pragma once

#include <string>
#include <vector>

typedef std::vector<unsigned char> TByteBuffer;

// Largest payload a frame may carry (100 MiB).
const std::size_t MaxId3v2FramePayload = 0x6400000;

// Appends id, the payload size (plain 32-bit big-endian), two zero flag bytes and the payload.
// False, and nothing appended, unless the id has 4 characters and the payload fits.
bool WriteId3v2Frame(TByteBuffer& buffer, const std::string& id, const TByteBuffer& payload);

// A text frame in UTF-16 with byte-order mark (encoding byte 01).
bool WriteId3v2TextFrame(TByteBuffer& buffer, const std::string& id, const std::wstring& text);

// A text frame in ISO-8859-1 (encoding byte 00), terminated by a zero byte.
bool WriteId3v2Latin1TextFrame(TByteBuffer& buffer, const std::string& id, const std::string& text);

// A COMM frame: UTF-16, language "   ", an empty description (mark and terminator), the comment.
bool WriteId3v2CommentFrame(TByteBuffer& buffer, const std::wstring& comment);

// Byte-order mark FF FE, the text as UTF-16 little-endian code units, then 00 00.
void WriteUtf16String(TByteBuffer& buffer, const std::wstring& text);
