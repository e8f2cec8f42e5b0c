// The frame decoder on real MP3 files and on frames built for the edge cases: results, records, loudness.
#include "engine/AcmMp3Decoder.h"
#include "engine/LogStore.h"
#include "platform/Acm.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <boost/format.hpp>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

using testing_support::DataPath;
using testing_support::ReadFileBytes;

namespace {

typedef std::vector<unsigned char> Bytes;

struct TExpectation {
    unsigned sourceRate = 0;
    unsigned reducedRate = 0;
    std::size_t fileSize = 0;
    std::vector<double> energies;
};

// What the mpg123 program made of each fixture (tests/data/make-decoder-expectations.sh).
std::map<std::string, TExpectation> LoadExpectations()
{
    std::map<std::string, TExpectation> result;
    std::ifstream in(DataPath("decoder-expectations.txt"));
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string first;
        fields >> first;
        if (first == "file") {
            std::string name;
            unsigned perFrame = 0, frames = 0;
            TExpectation e;
            fields >> name >> e.sourceRate >> e.reducedRate >> perFrame >> frames >> e.fileSize;
            result[name] = e;
        } else {
            unsigned index = 0;
            double energy = 0;
            fields >> index >> energy;
            result[first].energies.push_back(energy);
        }
    }
    return result;
}

struct TDecoded {
    int result;
    IMp3Decoder::TFrameInfo info;
    Bytes data;
};

// Decodes until the end or a result that ends a split, at most limit elements.
std::vector<TDecoded> DecodeAll(std::istream& stream, unsigned flags = 0, std::size_t limit = 100000)
{
    CAcmMp3Decoder decoder(stream);
    std::vector<TDecoded> out;
    for (std::size_t i = 0; i < limit; ++i) {
        TDecoded d;
        d.result = decoder.Decode(d.info, flags);
        if (d.info.data)
            d.data.assign(d.info.data, d.info.data + d.info.length);
        out.push_back(d);
        if (d.result != IMp3Decoder::EOk && d.result != IMp3Decoder::EBadFrame)
            break;
    }
    return out;
}

std::vector<TDecoded> DecodeBytes(const Bytes& bytes, unsigned flags = 0)
{
    std::istringstream stream(std::string(bytes.begin(), bytes.end()));
    return DecodeAll(stream, flags);
}

bool Logged(const std::wstring& line)
{
    const auto lines = LogStore::Instance().Lines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::size_t CountOk(const std::vector<TDecoded>& decoded)
{
    return std::count_if(
        decoded.begin(), decoded.end(), [](const TDecoded& d) { return d.result == IMp3Decoder::EOk; });
}

// A silent MPEG-2.5 Layer III mono frame at 11025 Hz, 64 kbit/s: 417 bytes of header and zeros.
Bytes SilentFrame11k()
{
    Bytes frame(417, 0);
    frame[0] = 0xFF;
    frame[1] = 0xE3;
    frame[2] = 0x80;
    frame[3] = 0xC0;
    return frame;
}

// Bytes that hold no frame sync and no tag marker.
Bytes Junk(std::size_t count, unsigned seed)
{
    std::mt19937 random(seed);
    Bytes junk(count);
    for (auto& b : junk)
        b = static_cast<unsigned char>(random() % 0xFE);
    return junk;
}

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

class AcmMp3DecoderTest : public ::testing::Test {
protected:
    void SetUp() override { LogStore::Instance().Clear(); }
    void TearDown() override
    {
        AcmHideMpegDecoder(false);
        LogStore::Instance().Clear();
    }
};

TEST_F(AcmMp3DecoderTest, EveryFixtureFrameDecodesWithTheLoudnessOfAnIndependentDecode)
{
    const auto expectations = LoadExpectations();
    ASSERT_EQ(7u, expectations.size());
    for (const auto& entry : expectations) {
        SCOPED_TRACE(entry.first);
        ASSERT_EQ(entry.second.fileSize, ReadFileBytes(DataPath(entry.first)).size())
            << "fixture changed: re-run tests/data/make-decoder-expectations.sh";
        LogStore::Instance().Clear();
        std::ifstream file(DataPath(entry.first), std::ios::binary);
        ASSERT_TRUE(file.is_open());
        CAcmMp3Decoder decoder(file);
        std::vector<double> energies;
        std::uint64_t consumed = 0;
        IMp3Decoder::TFrameInfo info;
        int result;
        while ((result = decoder.Decode(info, 0)) == IMp3Decoder::EOk || result == IMp3Decoder::EBadFrame) {
            consumed += info.bytesConsumed;
            if (result == IMp3Decoder::EOk) {
                energies.push_back(info.energy);
                EXPECT_GT(info.duration, 0u);
                EXPECT_GT(info.bitrate, 0u);
                EXPECT_EQ(info.data[0], 0xFF);
            }
            if (energies.size() == 1 && result == IMp3Decoder::EOk) {
                EXPECT_TRUE(Logged(boost::str(boost::wformat(L"INFO: ACM: Converting from %d hz to %d hz\n")
                    % entry.second.sourceRate % entry.second.reducedRate)));
            }
        }
        EXPECT_EQ(IMp3Decoder::EEndOfFile, result);
        // Skipped bytes (the ID3v2.4 footer) count with the element after them.
        EXPECT_EQ(ReadFileBytes(DataPath(entry.first)).size(), consumed);
        ASSERT_EQ(entry.second.energies.size(), energies.size());
        for (std::size_t i = 0; i < energies.size(); ++i)
            EXPECT_NEAR(entry.second.energies[i], energies[i], 1e-3 + 1e-6 * energies[i]) << "frame " << i;
    }
}

TEST_F(AcmMp3DecoderTest, DigitalSilenceHasNoEnergyAndALoudToneMuch)
{
    // The fixture is 0.6 s of a soft tone, 0.6 s of zeros and 0.6 s of a loud tone, 26 ms per frame.
    std::ifstream file(DataPath("cbr-stereo-44k.mp3"), std::ios::binary);
    std::vector<float> energies;
    for (const auto& d : DecodeAll(file))
        if (d.result == IMp3Decoder::EOk)
            energies.push_back(d.info.energy);
    ASSERT_EQ(70u, energies.size());
    // The encoder leaves at most a stray one-step sample in the zeros, so most silent frames are exactly 0.
    std::size_t exactZeros = 0;
    for (std::size_t i = 25; i < 46; ++i) {
        EXPECT_LT(energies[i], 0.01f) << "frame " << i;
        exactZeros += energies[i] == 0.0f;
    }
    EXPECT_GE(exactZeros, 8u);
    for (std::size_t i = 47; i < 69; ++i)
        EXPECT_GT(energies[i], 1000.0f) << "frame " << i;
    for (std::size_t i = 1; i < 23; ++i)
        EXPECT_GT(energies[i], 100.0f) << "frame " << i;
}

} // namespace

namespace {

// The frames of the Layer II fixture (no information frame, no tags), split by the decoder itself.
std::vector<Bytes> Layer2Frames()
{
    std::ifstream file(DataPath("layer2-stereo-48k.mp2"), std::ios::binary);
    std::vector<Bytes> frames;
    for (const auto& d : DecodeAll(file, IMp3Decoder::EParseOnly))
        if (d.result == IMp3Decoder::EOk)
            frames.push_back(d.data);
    return frames;
}

TEST_F(AcmMp3DecoderTest, JunkBeforeTheFirstFrameIsSkippedAndCounted)
{
    const auto frames = Layer2Frames();
    ASSERT_GE(frames.size(), 3u);
    const auto decoded = DecodeBytes(Concat({ Junk(5000, 1), frames[0], frames[1], frames[2] }));
    ASSERT_EQ(IMp3Decoder::EOk, decoded.at(0).result);
    EXPECT_EQ(5000u + frames[0].size(), decoded[0].info.bytesConsumed);
    EXPECT_EQ(frames[0], decoded[0].data);
    EXPECT_TRUE(Logged(L"INFO: Searched next MP3 frame sync - skipped 5000 bytes\n"));
    EXPECT_EQ(3u, CountOk(decoded));
    EXPECT_EQ(IMp3Decoder::EEndOfFile, decoded.back().result);
}

TEST_F(AcmMp3DecoderTest, LongJunkWithALoneFrameIsNoMp3File)
{
    const auto frames = Layer2Frames();
    const auto decoded = DecodeBytes(Concat({ Junk(4000, 2), frames[0], Bytes(200, 0) }));
    ASSERT_EQ(1u, decoded.size());
    EXPECT_EQ(IMp3Decoder::ENoMp3Data, decoded[0].result);
    EXPECT_EQ(0u, decoded[0].info.bytesConsumed);
    EXPECT_TRUE(Logged(L"ERROR: This is not a MP3 file\n"));
}

TEST_F(AcmMp3DecoderTest, TheSameJunkAfterAFrameIsOnlyABadFrame)
{
    const auto frames = Layer2Frames();
    // The second frame is not followed by a frame sync, so it lost sync; the search that follows runs
    // through the junk, where nothing counts as an MP3 file's start any more.
    const auto decoded
        = DecodeBytes(Concat({ frames[0], frames[1], Junk(4000, 2), frames[2], Bytes(200, 0) }));
    ASSERT_GE(decoded.size(), 3u);
    EXPECT_EQ(IMp3Decoder::EOk, decoded[0].result);
    EXPECT_EQ(IMp3Decoder::EBadFrame, decoded[1].result);
    for (std::size_t i = 2; i + 1 < decoded.size(); ++i)
        EXPECT_EQ(IMp3Decoder::EBadFrame, decoded[i].result);
    EXPECT_EQ(IMp3Decoder::EEndOfFile, decoded.back().result);
    EXPECT_TRUE(Logged(L"ERROR: MP3 decoder: Mp3Parser::EInvalidFrame\n"));
    EXPECT_FALSE(Logged(L"ERROR: This is not a MP3 file\n"));
}

TEST_F(AcmMp3DecoderTest, TagsAndTheXingFrameAreBadFramesWithTheirBytes)
{
    const Bytes file = ReadFileBytes(DataPath("id3v23-v1.mp3"));
    const auto decoded = DecodeBytes(file);
    ASSERT_GE(decoded.size(), 4u);
    // ID3v2 tag first, then lame's Info frame, then audio; the ID3v1 tag last.
    EXPECT_EQ(IMp3Decoder::EBadFrame, decoded[0].result);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + decoded[0].info.length), decoded[0].data);
    EXPECT_EQ(0, std::memcmp("ID3", decoded[0].data.data(), 3));
    EXPECT_EQ(0.0f, decoded[0].info.energy);
    EXPECT_EQ(0u, decoded[0].info.duration);
    EXPECT_EQ(IMp3Decoder::EBadFrame, decoded[1].result);
    EXPECT_EQ(0, std::memcmp("Info", decoded[1].data.data() + 21, 4));
    EXPECT_EQ(IMp3Decoder::EOk, decoded[2].result);
    const auto& tag = decoded[decoded.size() - 2];
    EXPECT_EQ(IMp3Decoder::EBadFrame, tag.result);
    EXPECT_EQ(128u, tag.info.length);
    EXPECT_EQ(Bytes(file.end() - 128, file.end()), tag.data);

    std::ifstream vbr(DataPath("vbr-xing-mono-44k.mp3"), std::ios::binary);
    const auto xing = DecodeAll(vbr, 0, 1);
    EXPECT_EQ(IMp3Decoder::EBadFrame, xing[0].result);
    EXPECT_EQ(0, std::memcmp("Xing", xing[0].data.data() + 21, 4));
}

TEST_F(AcmMp3DecoderTest, TheEndIsLoggedAndRepeated)
{
    const auto frames = Layer2Frames();
    std::istringstream stream(std::string(frames[0].begin(), frames[0].end()));
    CAcmMp3Decoder decoder(stream);
    IMp3Decoder::TFrameInfo info;
    EXPECT_EQ(IMp3Decoder::EOk, decoder.Decode(info, 0));
    EXPECT_EQ(IMp3Decoder::EEndOfFile, decoder.Decode(info, 0));
    EXPECT_TRUE(Logged(L"INFO: Decoded 1 frames\n"));
    EXPECT_TRUE(Logged(L"INFO: MP3 decoder: Mp3Parser::EEndOfFile\n"));
    EXPECT_EQ(IMp3Decoder::EEndOfFile, decoder.Decode(info, 0));
}

TEST_F(AcmMp3DecoderTest, ParseOnlyOpensNoDriverAndGivesNoEnergy)
{
    std::ifstream file(DataPath("cbr-stereo-44k.mp3"), std::ios::binary);
    CAcmMp3Decoder decoder(file);
    IMp3Decoder::TFrameInfo info;
    std::size_t frames = 0;
    int result;
    while (
        (result = decoder.Decode(info, 0xFFFFFFFF)) == IMp3Decoder::EOk || result == IMp3Decoder::EBadFrame) {
        EXPECT_EQ(12u, info.flags);
        EXPECT_EQ(0.0f, info.energy);
        if (result == IMp3Decoder::EOk) {
            ++frames;
            EXPECT_EQ(261224u, info.duration);
            EXPECT_EQ(128u, info.bitrate);
        }
    }
    EXPECT_EQ(70u, frames);
    EXPECT_FALSE(Logged(L"INFO: ACM: Converting from 44100 hz to 11025 hz\n"));
}

TEST_F(AcmMp3DecoderTest, NoEnergyConvertsButLeavesTheEnergyAtZero)
{
    std::ifstream file(DataPath("cbr-stereo-44k.mp3"), std::ios::binary);
    const auto decoded = DecodeAll(file, IMp3Decoder::ENoEnergy);
    EXPECT_EQ(70u, CountOk(decoded));
    for (const auto& d : decoded)
        EXPECT_EQ(0.0f, d.info.energy);
    EXPECT_TRUE(Logged(L"INFO: ACM: Converting from 44100 hz to 11025 hz\n"));
}

TEST_F(AcmMp3DecoderTest, An11025HzSourceKeepsItsRateAndSilentFramesHaveNoEnergy)
{
    const Bytes frame = SilentFrame11k();
    const auto decoded = DecodeBytes(Concat({ frame, frame, frame }));
    ASSERT_EQ(3u, CountOk(decoded));
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(0.0f, decoded[i].info.energy);
        EXPECT_EQ(522448u, decoded[i].info.duration);
    }
    EXPECT_TRUE(Logged(L"INFO: ACM: Converting from 11025 hz to 11025 hz\n"));
}

TEST_F(AcmMp3DecoderTest, WithoutAnMp3DecoderEveryFrameFailsToSetUp)
{
    AcmHideMpegDecoder(true);
    const Bytes frame = SilentFrame11k();
    std::istringstream stream(std::string(3 * frame.size(), '\0'));
    std::string all;
    for (int i = 0; i < 3; ++i)
        all.append(frame.begin(), frame.end());
    stream.str(all);
    CAcmMp3Decoder decoder(stream);
    IMp3Decoder::TFrameInfo info;
    EXPECT_EQ(IMp3Decoder::ESetupFailed, decoder.Decode(info, 0));
    // A frame that was never decoded has its bytes but no duration or bitrate.
    EXPECT_EQ(frame.size(), info.length);
    EXPECT_EQ(frame.size(), info.bytesConsumed);
    EXPECT_EQ(0u, info.duration);
    EXPECT_EQ(0u, info.bitrate);
    EXPECT_TRUE(Logged(L"ERROR: ACM: Mp3 decoder not found\n"));
    EXPECT_TRUE(Logged(L"ERROR: ACM: Error setting up the decoder\n"));
    EXPECT_FALSE(Logged(L"INFO: MP3 decoder found\n"));
    EXPECT_EQ(IMp3Decoder::ESetupFailed, decoder.Decode(info, 0));
    EXPECT_TRUE(Logged(L"ERROR: ACM: Error preparing stream header\n"));
    EXPECT_EQ(0u, info.duration);
    // Parsing alone still works.
    EXPECT_EQ(IMp3Decoder::EOk, decoder.Decode(info, IMp3Decoder::EParseOnly));
    EXPECT_EQ(522448u, info.duration);
}

TEST_F(AcmMp3DecoderTest, TheEnvironmentTriesTheLocalCodecsThenFindsTheBuiltInDrivers)
{
    const Bytes frame = SilentFrame11k();
    DecodeBytes(frame);
    EXPECT_TRUE(Logged(L"INFO: Could not open driver l3codecp.acm\n"));
    EXPECT_TRUE(Logged(L"INFO: Could not open driver l3codeca.acm\n"));
    EXPECT_TRUE(Logged(L"INFO: Could not open driver l3codecx.acm\n"));
    EXPECT_TRUE(Logged(L"INFO: MP3 decoder found\n"));
    EXPECT_TRUE(Logged(L"INFO: PCM converter: PCM format converter\n"));
}

// Bad input: whatever the bytes, decoding ends, and every result and loudness is in range.
void ExpectSaneRun(const Bytes& bytes)
{
    const auto decoded = DecodeBytes(bytes);
    ASSERT_LT(decoded.size(), 100000u);
    const int last = decoded.back().result;
    EXPECT_TRUE(
        last == IMp3Decoder::EEndOfFile || last == IMp3Decoder::ENoMp3Data || last == IMp3Decoder::EReadError)
        << last;
    std::uint64_t consumed = 0;
    for (const auto& d : decoded) {
        EXPECT_GE(d.info.energy, 0.0f);
        EXPECT_LE(d.info.energy, 16384.0f);
        consumed += d.info.bytesConsumed;
    }
    EXPECT_LE(consumed, bytes.size());
}

TEST_F(AcmMp3DecoderTest, RandomBytesEndCleanly)
{
    for (unsigned seed = 0; seed < 4; ++seed) {
        std::mt19937 random(seed);
        Bytes bytes(20000);
        for (auto& b : bytes)
            b = static_cast<unsigned char>(random());
        ExpectSaneRun(bytes);
    }
}

TEST_F(AcmMp3DecoderTest, BitFlippedFilesDecodeWithoutHarm)
{
    for (const char* name : { "cbr-stereo-44k.mp3", "mpeg2-mono-22k.mp3", "mpeg25-stereo-8k.mp3",
             "layer2-stereo-48k.mp2", "vbr-xing-mono-44k.mp3" }) {
        SCOPED_TRACE(name);
        const Bytes original = ReadFileBytes(DataPath(name));
        for (unsigned seed = 0; seed < 6; ++seed) {
            Bytes bytes = original;
            std::mt19937 random(seed);
            for (int i = 0; i < 200; ++i)
                bytes[random() % bytes.size()] ^= static_cast<unsigned char>(1u << (random() % 8));
            LogStore::Instance().Clear();
            ExpectSaneRun(bytes);
        }
    }
}

TEST_F(AcmMp3DecoderTest, TruncatedFilesEndCleanly)
{
    const Bytes original = ReadFileBytes(DataPath("id3v23-v1.mp3"));
    for (std::size_t cut : { std::size_t(0), std::size_t(2), std::size_t(9), std::size_t(500),
             std::size_t(1500), original.size() / 2, original.size() - 100 }) {
        LogStore::Instance().Clear();
        ExpectSaneRun(Bytes(original.begin(), original.begin() + cut));
    }
}

} // namespace
