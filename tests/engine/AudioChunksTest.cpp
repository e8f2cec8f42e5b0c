// The frame buffer's algebra: adding, joining and cutting chunks keeps bytes and boundaries exact.
#include "engine/AudioChunks.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace {

typedef std::vector<std::uint32_t> Ends;
typedef std::vector<std::uint8_t> Bytes;

// A buffer with chunks of the given sizes; every byte names its chunk (tag + chunk number).
AudioChunks Make(const std::vector<std::uint32_t>& sizes, std::uint8_t tag = 0)
{
    AudioChunks chunks;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const Bytes data(sizes[i], static_cast<std::uint8_t>(tag + i));
        chunks.Add(data.data(), sizes[i]);
    }
    return chunks;
}

Bytes Concat(const Bytes& a, const Bytes& b)
{
    Bytes all(a);
    all.insert(all.end(), b.begin(), b.end());
    return all;
}

::testing::AssertionResult HoldsInvariants(const AudioChunks& chunks)
{
    const Ends& ends = chunks.GetChunkEnds();
    for (std::size_t i = 0; i < ends.size(); ++i)
        if (ends[i] <= (i == 0 ? 0 : ends[i - 1]))
            return ::testing::AssertionFailure() << "chunk " << i << " is empty or out of order";
    const std::uint32_t last = ends.empty() ? 0 : ends.back();
    if (last != chunks.GetByteCount() || chunks.GetBytes().size() != chunks.GetByteCount())
        return ::testing::AssertionFailure()
            << "last end " << last << " vs " << chunks.GetByteCount() << " bytes";
    if (chunks.IsEmpty() != ends.empty() || chunks.GetChunkCount() != ends.size())
        return ::testing::AssertionFailure() << "counts disagree";
    return ::testing::AssertionSuccess();
}

// Counts the write calls that reach the stream.
class CountingBuf : public std::stringbuf {
public:
    int writes = 0;

protected:
    std::streamsize xsputn(const char* s, std::streamsize n) override
    {
        ++writes;
        return std::stringbuf::xsputn(s, n);
    }
};

// --- Adding ---

TEST(AudioChunksTest, AddRecordsWhereEachFrameEnds)
{
    AudioChunks chunks = Make({ 417, 418, 417 });
    EXPECT_EQ(Ends({ 417, 835, 1252 }), chunks.GetChunkEnds());
    EXPECT_EQ(1252u, chunks.GetByteCount());
    EXPECT_EQ(1, chunks.GetBytes()[417]);
    EXPECT_TRUE(HoldsInvariants(chunks));
}

TEST(AudioChunksTest, AnEmptyFrameIsNotAChunk)
{
    AudioChunks chunks = Make({ 5 });
    chunks.Add(nullptr, 0);
    EXPECT_EQ(Ends({ 5 }), chunks.GetChunkEnds());
    AudioChunks empty;
    empty.Add(nullptr, 0);
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ(0u, empty.GetChunkCount());
}

TEST(AudioChunksTest, MoreThanFourGibibytesAreRefusedBeforeAnythingChanges)
{
    AudioChunks chunks = Make({ 1 });
    const std::uint8_t byte = 0;
    // The size check comes before any byte is read, so one real byte is enough here.
    EXPECT_THROW(chunks.Add(&byte, std::numeric_limits<std::uint32_t>::max()), std::length_error);
    EXPECT_EQ(Ends({ 1 }), chunks.GetChunkEnds());
    EXPECT_TRUE(HoldsInvariants(chunks));
}

// --- Joining ---

TEST(AudioChunksTest, AppendShiftsTheOthersEndsBehindOwnBytes)
{
    AudioChunks chunks = Make({ 50 }, 10);
    const AudioChunks other = Make({ 100, 100 }, 20);
    chunks.Append(other);
    EXPECT_EQ(Ends({ 50, 150, 250 }), chunks.GetChunkEnds());
    EXPECT_EQ(Concat(Make({ 50 }, 10).GetBytes(), other.GetBytes()), chunks.GetBytes());
    EXPECT_EQ(Ends({ 100, 200 }), other.GetChunkEnds());
    EXPECT_TRUE(HoldsInvariants(chunks));
}

TEST(AudioChunksTest, PrependPutsTheOtherFirstAndShiftsOwnEnds)
{
    AudioChunks chunks = Make({ 5, 3 }, 10);
    const AudioChunks silence = Make({ 10 }, 20);
    chunks.Prepend(silence);
    EXPECT_EQ(Ends({ 10, 15, 18 }), chunks.GetChunkEnds());
    EXPECT_EQ(Concat(silence.GetBytes(), Make({ 5, 3 }, 10).GetBytes()), chunks.GetBytes());
    EXPECT_TRUE(HoldsInvariants(chunks));

    AudioChunks single = Make({ 5 });
    single.Prepend(Make({ 10, 10 }));
    EXPECT_EQ(Ends({ 10, 20, 25 }), single.GetChunkEnds());
}

TEST(AudioChunksTest, JoiningWithAnEmptyBufferCopiesOrKeepsExactly)
{
    const AudioChunks other = Make({ 7, 9 }, 3);
    AudioChunks appended, prepended;
    appended.Append(other);
    prepended.Prepend(other);
    for (const AudioChunks* result : { &appended, &prepended }) {
        EXPECT_EQ(other.GetChunkEnds(), result->GetChunkEnds());
        EXPECT_EQ(other.GetBytes(), result->GetBytes());
    }
    AudioChunks kept = Make({ 4 });
    kept.Append(AudioChunks());
    kept.Prepend(AudioChunks());
    EXPECT_EQ(Ends({ 4 }), kept.GetChunkEnds());
    EXPECT_EQ(4u, kept.GetByteCount());
}

TEST(AudioChunksTest, JoiningABufferWithItselfDoublesIt)
{
    AudioChunks chunks = Make({ 2, 3 }, 1);
    chunks.Append(chunks);
    EXPECT_EQ(Ends({ 2, 5, 7, 10 }), chunks.GetChunkEnds());
    EXPECT_EQ(Bytes({ 1, 1, 2, 2, 2, 1, 1, 2, 2, 2 }), chunks.GetBytes());
    AudioChunks front = Make({ 1, 2 }, 5);
    front.Prepend(front);
    EXPECT_EQ(Ends({ 1, 3, 4, 6 }), front.GetChunkEnds());
    EXPECT_EQ(Bytes({ 5, 6, 6, 5, 6, 6 }), front.GetBytes());
    front.Set(front);
    EXPECT_EQ(6u, front.GetByteCount());
}

TEST(AudioChunksTest, SetReplacesEverythingWithACopy)
{
    AudioChunks chunks = Make({ 100, 200, 300 });
    const AudioChunks other = Make({ 1, 2 }, 9);
    chunks.Set(other);
    EXPECT_EQ(other.GetChunkEnds(), chunks.GetChunkEnds());
    EXPECT_EQ(other.GetBytes(), chunks.GetBytes());
    chunks.Set(AudioChunks());
    EXPECT_TRUE(chunks.IsEmpty());
    EXPECT_TRUE(HoldsInvariants(chunks));
}

// --- Cutting ---

TEST(AudioChunksTest, SplitKeepsTheFirstChunksAndRebasesTheRest)
{
    AudioChunks chunks = Make({ 100, 100, 100, 100 }, 1);
    AudioChunks rest = Make({ 33, 44 }); // whatever it held goes
    chunks.Split(2, rest);
    EXPECT_EQ(Ends({ 100, 200 }), chunks.GetChunkEnds());
    EXPECT_EQ(Make({ 100, 100 }, 1).GetBytes(), chunks.GetBytes());
    EXPECT_EQ(Ends({ 100, 200 }), rest.GetChunkEnds());
    EXPECT_EQ(Make({ 100, 100 }, 3).GetBytes(), rest.GetBytes());
    EXPECT_TRUE(HoldsInvariants(chunks));
    EXPECT_TRUE(HoldsInvariants(rest));
}

TEST(AudioChunksTest, SplitAtZeroMovesEverything)
{
    const AudioChunks original = Make({ 3, 4, 5 }, 7);
    AudioChunks chunks = original;
    AudioChunks rest = Make({ 9 });
    chunks.Split(0, rest);
    EXPECT_TRUE(chunks.IsEmpty());
    EXPECT_EQ(0u, chunks.GetChunkCount());
    EXPECT_EQ(original.GetChunkEnds(), rest.GetChunkEnds());
    EXPECT_EQ(original.GetBytes(), rest.GetBytes());
    // The emptied buffer is fully usable again.
    chunks.Add(original.GetBytes().data(), 2);
    EXPECT_EQ(Ends({ 2 }), chunks.GetChunkEnds());
}

TEST(AudioChunksTest, SplitAtOrPastTheEndKeepsEverything)
{
    const AudioChunks original = Make({ 3, 4, 5 });
    for (std::uint32_t n : { 3u, 4u, 1000u }) {
        AudioChunks chunks = original;
        AudioChunks rest = Make({ 9 });
        chunks.Split(n, rest);
        EXPECT_EQ(original.GetChunkEnds(), chunks.GetChunkEnds());
        EXPECT_EQ(original.GetBytes(), chunks.GetBytes());
        EXPECT_TRUE(rest.IsEmpty());
        EXPECT_EQ(0u, rest.GetChunkCount());
    }
    AudioChunks chunks = original;
    chunks.Split(1, chunks);
    EXPECT_EQ(original.GetBytes(), chunks.GetBytes());
}

TEST(AudioChunksTest, SplittingAndAppendingBackRestoresTheBuffer)
{
    const AudioChunks original = Make({ 417, 418, 417, 418, 417, 1, 2881 });
    for (std::uint32_t n = 0; n <= original.GetChunkCount(); ++n) {
        AudioChunks head = original, tail;
        head.Split(n, tail);
        EXPECT_EQ(n, head.GetChunkCount());
        head.Append(tail);
        EXPECT_EQ(original.GetChunkEnds(), head.GetChunkEnds()) << n;
        EXPECT_EQ(original.GetBytes(), head.GetBytes()) << n;

        AudioChunks front = original, back;
        front.Split(n, back);
        back.Prepend(front);
        EXPECT_EQ(original.GetChunkEnds(), back.GetChunkEnds()) << n;
        EXPECT_EQ(original.GetBytes(), back.GetBytes()) << n;
    }
}

// --- Writing ---

TEST(AudioChunksTest, FlushWritesEveryByteInOneWriteAndEmpties)
{
    AudioChunks chunks = Make({ 417, 418 }, 4);
    const Bytes expected = chunks.GetBytes();
    CountingBuf buf;
    std::ostream out(&buf);
    chunks.Flush(out);
    EXPECT_EQ(1, buf.writes);
    const std::string written = buf.str();
    EXPECT_EQ(expected, Bytes(written.begin(), written.end()));
    EXPECT_TRUE(chunks.IsEmpty());
    EXPECT_EQ(0u, chunks.GetChunkCount());
}

TEST(AudioChunksTest, FlushOfAnEmptyBufferWritesNothing)
{
    AudioChunks chunks;
    CountingBuf buf;
    std::ostream out(&buf);
    chunks.Flush(out);
    EXPECT_EQ(0, buf.writes);
    EXPECT_TRUE(buf.str().empty());
    EXPECT_TRUE(chunks.IsEmpty());
}

TEST(AudioChunksTest, AFailingStreamStillEmptiesTheBuffer)
{
    // Error detection is the stream owner's job; the buffer does not keep or retry the bytes.
    AudioChunks chunks = Make({ 10 });
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    chunks.Flush(out);
    EXPECT_TRUE(chunks.IsEmpty());
    EXPECT_TRUE(out.bad());
}

} // namespace
