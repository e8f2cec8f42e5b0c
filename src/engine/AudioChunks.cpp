// MP3 frames read but not yet written: their bytes back to back and where each frame ends.
#include "engine/AudioChunks.h"

#include "engine/Log.h"

#include <boost/format.hpp>
#include <limits>
#include <ostream>
#include <stdexcept>

void AudioChunks::CheckRoomFor(std::uint64_t extra) const
{
    if (bytes.size() + extra > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("AudioChunks: more than 4 GiB of frames buffered");
}

void AudioChunks::Clear()
{
    bytes.clear();
    chunkEnds.clear();
}

void AudioChunks::Add(const std::uint8_t* data, std::uint32_t length)
{
    if (length == 0)
        return;
    CheckRoomFor(length);
    bytes.insert(bytes.end(), data, data + length);
    chunkEnds.push_back(static_cast<std::uint32_t>(bytes.size()));
}

void AudioChunks::Set(const AudioChunks& other)
{
    Trace((boost::wformat(L"AudioChunks::Set first %d bytes, capacity is %d bytes") % other.bytes.size()
        % bytes.capacity())
              .str());
    if (&other == this)
        return;
    // assign reuses the memory already held, so a long run settles without reallocating.
    bytes.assign(other.bytes.begin(), other.bytes.end());
    chunkEnds.assign(other.chunkEnds.begin(), other.chunkEnds.end());
}

void AudioChunks::Append(const AudioChunks& other)
{
    if (chunkEnds.empty()) {
        Set(other);
        return;
    }
    if (&other == this) {
        // A vector cannot insert a range of itself; appending to itself is rare enough to copy.
        const AudioChunks copy(other);
        Append(copy);
        return;
    }
    CheckRoomFor(other.bytes.size());
    const std::uint32_t base = GetByteCount();
    bytes.insert(bytes.end(), other.bytes.begin(), other.bytes.end());
    chunkEnds.reserve(chunkEnds.size() + other.chunkEnds.size());
    for (std::uint32_t end : other.chunkEnds)
        chunkEnds.push_back(end + base);
}

void AudioChunks::Prepend(const AudioChunks& other)
{
    if (chunkEnds.empty()) {
        Set(other);
        return;
    }
    if (other.chunkEnds.empty())
        return;
    if (&other == this) {
        const AudioChunks copy(other);
        Prepend(copy);
        return;
    }
    CheckRoomFor(other.bytes.size());
    const std::uint32_t shift = other.GetByteCount();
    for (std::uint32_t& end : chunkEnds)
        end += shift;
    bytes.insert(bytes.begin(), other.bytes.begin(), other.bytes.end());
    chunkEnds.insert(chunkEnds.begin(), other.chunkEnds.begin(), other.chunkEnds.end());
}

void AudioChunks::Split(std::uint32_t n, AudioChunks& destination)
{
    if (&destination == this)
        return; // keeping and moving into the same buffer leaves it as it is
    if (n == 0) {
        Trace((boost::wformat(L"AudioChunks::Set first %d bytes, capacity is %d bytes") % bytes.size()
            % destination.bytes.capacity())
                  .str());
        // Everything moves: hand the arrays over instead of copying them; the destination's old
        // memory stays here for reuse.
        bytes.swap(destination.bytes);
        chunkEnds.swap(destination.chunkEnds);
        Clear();
        return;
    }
    destination.Clear();
    if (n >= chunkEnds.size())
        return;
    const std::uint32_t cut = chunkEnds[n - 1];
    destination.bytes.assign(bytes.begin() + cut, bytes.end());
    destination.chunkEnds.reserve(chunkEnds.size() - n);
    for (std::size_t i = n; i < chunkEnds.size(); ++i)
        destination.chunkEnds.push_back(chunkEnds[i] - cut);
    bytes.resize(cut);
    chunkEnds.resize(n);
}

void AudioChunks::Flush(std::ostream& stream)
{
    const std::size_t count = bytes.size();
    if (count != 0)
        stream.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(count));
    Trace((boost::wformat(L"AudioChunks: Flushed %d bytes") % count).str());
    Clear();
}
