// Buffered, zero-copy views into a source stream for the MP3 parser.
#include "engine/StreamReader.h"

#include <algorithm>
#include <cstring>

namespace {

const std::size_t MinimumRefill = 0x100000;

} // namespace

StreamReader::StreamReader(std::istream& stream)
    : stream(stream)
    , cursor(0)
{
    stream.clear();
    stream.seekg(0, std::ios::beg);
}

unsigned StreamReader::Read(unsigned n, const unsigned char*& data)
{
    const std::size_t tail = buffer.size() - cursor;
    if (tail >= n) {
        data = buffer.data() + cursor;
        return EOk;
    }
    if (stream.eof())
        return EEndOfFile;
    if (!stream.good())
        return EReadError;

    if (tail > 0 && cursor > 0)
        std::memmove(buffer.data(), buffer.data() + cursor, tail);
    buffer.resize(tail);
    cursor = 0;

    // The buffer grows only as far as the stream actually delivers, so a length claimed by
    // the data (a huge tag size, say) cannot make us allocate more than the file holds.
    const std::size_t want = std::max<std::size_t>(n - tail, MinimumRefill);
    std::size_t got = 0;
    while (got < want && stream.good()) {
        const std::size_t chunk = std::min(want - got, MinimumRefill);
        buffer.resize(tail + got + chunk);
        stream.read(reinterpret_cast<char*>(buffer.data() + tail + got), static_cast<std::streamsize>(chunk));
        const std::streamsize delivered = stream.gcount();
        got += delivered > 0 ? static_cast<std::size_t>(delivered) : 0;
    }
    // Unread bytes stay buffered even when the stream delivers nothing more: a file that ends
    // exactly at a block boundary must not lose its last frame.
    buffer.resize(tail + got);

    if (buffer.size() >= n) {
        data = buffer.data();
        return EOk;
    }
    data = nullptr;
    return stream.eof() ? EEndOfFile : EReadError;
}

void StreamReader::Advance(unsigned n)
{
    if (n == 0)
        return;
    const unsigned char* data = nullptr;
    if (Read(n, data) == EOk)
        cursor += n;
}
