// Buffered, zero-copy views into a source stream for the MP3 parser.
#pragma once

#include <cstddef>
#include <istream>
#include <vector>

class StreamReader {
public:
    enum { EOk = 0, EReadError = 1, EEndOfFile = 2 };

    // Binds to the stream (not owned), clears its error state and seeks it to its start.
    explicit StreamReader(std::istream& stream);

    StreamReader(const StreamReader&) = delete;
    StreamReader& operator=(const StreamReader&) = delete;

    // Makes n bytes available at the cursor without consuming them. On EOk, data points at them;
    // it stays valid until a later Read or Advance has to refill the buffer.
    unsigned Read(unsigned n, const unsigned char*& data);

    // Consumes n bytes; when fewer than n are available the cursor stays where it is.
    void Advance(unsigned n);

private:
    std::istream& stream;
    std::vector<unsigned char> buffer;
    std::size_t cursor;
};
