// The frame decoder on real MP3 files and on frames built for the edge cases: results, records, loudness.
#include "engine/AcmMp3Decoder.h"
#include "engine/LogStore.h"
#include "platform/Acm.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <boost/format.hpp>

#include <algorithm>
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
            fields >> name >> e.sourceRate >> e.reducedRate >> perFrame >> frames;
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
