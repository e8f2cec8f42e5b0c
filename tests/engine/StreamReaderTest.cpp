// The stream reader's buffering and its end-of-file and error behaviour.
#include "engine/StreamReader.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <streambuf>

namespace {

std::string Bytes(std::size_t n)
{
    std::string s(n, '\0');
    for (std::size_t i = 0; i < n; ++i)
        s[i] = static_cast<char>(i * 7 + i / 251);
    return s;
}

TEST(StreamReaderTest, AShortFileStaysBufferedAfterAFailedLongerRead)
{
    std::istringstream in(std::string("\x01\x02", 2));
    StreamReader reader(in);
    const unsigned char* p = nullptr;
    EXPECT_EQ(unsigned(StreamReader::EEndOfFile), reader.Read(3, p));
    ASSERT_EQ(unsigned(StreamReader::EOk), reader.Read(2, p));
    EXPECT_EQ(1, p[0]);
    EXPECT_EQ(2, p[1]);
}

TEST(StreamReaderTest, ExactlyTheRemainingBytesCanBeReadButNotOneMore)
{
    const std::string data = Bytes(1000);
    std::istringstream in(data);
    StreamReader reader(in);
    const unsigned char* p = nullptr;
    reader.Advance(400);
    ASSERT_EQ(unsigned(StreamReader::EOk), reader.Read(600, p));
    EXPECT_EQ(0, std::memcmp(p, data.data() + 400, 600));
    EXPECT_EQ(unsigned(StreamReader::EEndOfFile), reader.Read(601, p));
    ASSERT_EQ(unsigned(StreamReader::EOk), reader.Read(600, p));
    EXPECT_EQ(static_cast<unsigned char>(data[400]), p[0]);

    // Advancing past the end leaves the cursor where it was; advancing by 0 does nothing.
    reader.Advance(601);
    reader.Advance(0);
    ASSERT_EQ(unsigned(StreamReader::EOk), reader.Read(1, p));
    EXPECT_EQ(static_cast<unsigned char>(data[400]), p[0]);
    reader.Advance(600);
    EXPECT_EQ(unsigned(StreamReader::EEndOfFile), reader.Read(1, p));
}

TEST(StreamReaderTest, AnEmptyFileIsAtItsEnd)
{
    std::istringstream in;
    StreamReader reader(in);
    const unsigned char* p = nullptr;
    EXPECT_EQ(unsigned(StreamReader::EEndOfFile), reader.Read(1, p));
    EXPECT_EQ(unsigned(StreamReader::EEndOfFile), reader.Read(1, p));
}

TEST(StreamReaderTest, ReadsAcrossBlockBoundariesDeliverTheFileInOrder)
{
    // Three blocks and a bit, consumed in odd-sized steps and one read longer than a block.
    const std::string data = Bytes(3 * 0x100000 + 12345);
    std::istringstream in(data);
    StreamReader reader(in);
    const unsigned char* p = nullptr;
    std::size_t pos = 0;
    for (unsigned n : { 417u, 0x100000u + 5u, 2881u, 1u, 0x100000u }) {
        ASSERT_EQ(unsigned(StreamReader::EOk), reader.Read(n, p));
        ASSERT_EQ(0, std::memcmp(p, data.data() + pos, n));
        reader.Advance(n);
        pos += n;
    }
    const unsigned rest = static_cast<unsigned>(data.size() - pos);
    ASSERT_EQ(unsigned(StreamReader::EOk), reader.Read(rest, p));
    EXPECT_EQ(0, std::memcmp(p, data.data() + pos, rest));
    EXPECT_EQ(unsigned(StreamReader::EEndOfFile), reader.Read(rest + 1, p));
}

TEST(StreamReaderTest, AFileEndingExactlyAtABlockBoundaryKeepsItsLastBytes)
{
    const std::string data = Bytes(0x100000);
    testing_support::TempDir dir("reader");
    const std::string path = dir.File("block.bin");
    testing_support::WriteFileBytes(path, std::vector<unsigned char>(data.begin(), data.end()));
    std::ifstream in(path, std::ios::binary);
    StreamReader reader(in);
    const unsigned char* p = nullptr;
    ASSERT_EQ(unsigned(StreamReader::EOk), reader.Read(10, p)); // fills exactly one block
    reader.Advance(0x100000 - 5);
    EXPECT_EQ(unsigned(StreamReader::EEndOfFile), reader.Read(10, p)); // the refill finds nothing
    ASSERT_EQ(unsigned(StreamReader::EOk), reader.Read(5, p));
    EXPECT_EQ(0, std::memcmp(p, data.data() + data.size() - 5, 5));
}

TEST(StreamReaderTest, ConstructionRewindsTheStreamAndClearsItsState)
{
    std::istringstream in("abcdef");
    in.seekg(4);
    in.setstate(std::ios::eofbit);
    StreamReader reader(in);
    const unsigned char* p = nullptr;
    ASSERT_EQ(unsigned(StreamReader::EOk), reader.Read(6, p));
    EXPECT_EQ('a', p[0]);
}

// A source that breaks after a number of bytes, like a failing disk.
class FailingBuf : public std::streambuf {
public:
    explicit FailingBuf(std::size_t good)
        : data(Bytes(good))
    {
        setg(&data[0], &data[0], &data[0] + data.size());
    }

protected:
    int_type underflow() override { throw std::runtime_error("device error"); }

private:
    std::string data;
};

TEST(StreamReaderTest, AFailingStreamGivesReadErrorForGood)
{
    FailingBuf buf(100);
    std::istream in(&buf);
    StreamReader reader(in);
    const unsigned char* p = nullptr;
    EXPECT_EQ(unsigned(StreamReader::EReadError), reader.Read(200, p));
    EXPECT_EQ(unsigned(StreamReader::EReadError), reader.Read(1, p));
}

} // namespace
