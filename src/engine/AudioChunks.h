// MP3 frames read but not yet written: their bytes back to back and where each frame ends.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <vector>

class AudioChunks {
public:
    // True if no bytes are held.
    bool IsEmpty() const { return bytes.empty(); }
    // Number of chunks held.
    std::uint32_t GetChunkCount() const { return static_cast<std::uint32_t>(chunkEnds.size()); }
    // Number of bytes held.
    std::uint32_t GetByteCount() const { return static_cast<std::uint32_t>(bytes.size()); }
    // The bytes of all chunks, in order.
    const std::vector<std::uint8_t>& GetBytes() const { return bytes; }
    // For each chunk the offset one past its last byte.
    const std::vector<std::uint32_t>& GetChunkEnds() const { return chunkEnds; }

    // Empties the buffer; the memory is kept for the next part.
    void Clear();
    // Appends one chunk of length bytes; a length of 0 adds nothing. Throws std::length_error if
    // the buffer would pass 4 GiB.
    void Add(const std::uint8_t* data, std::uint32_t length);
    // Replaces the content by a copy of other.
    void Set(const AudioChunks& other);
    // Adds other's chunks after these.
    void Append(const AudioChunks& other);
    // Adds other's chunks in front of these; moves every byte, meant for a few frames.
    void Prepend(const AudioChunks& other);
    // Keeps the first n chunks and moves the rest into destination, replacing its content.
    // n = 0 moves everything; n at or past the chunk count keeps everything.
    void Split(std::uint32_t n, AudioChunks& destination);
    // Writes all bytes to stream in one write and empties the buffer; the stream's state is the
    // caller's to check.
    void Flush(std::ostream& stream);

private:
    // Throws std::length_error unless extra more bytes still fit 32-bit offsets.
    void CheckRoomFor(std::uint64_t extra) const;

    std::vector<std::uint8_t> bytes;
    std::vector<std::uint32_t> chunkEnds; // strictly increasing, the last equal to bytes.size()
};
