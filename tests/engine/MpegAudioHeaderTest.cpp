// Decoding, validation and manipulation of MPEG audio frame headers.
#include "engine/MpegAudioHeader.h"
#include "engine/LogStore.h"

#include <gtest/gtest.h>

namespace {

uint32_t Header(unsigned char b0, unsigned char b1, unsigned char b2, unsigned char b3)
{
    const unsigned char bytes[4] = { b0, b1, b2, b3 };
    const unsigned char* p = bytes;
    return ReadBigEndian32(p);
}

class MpegAudioHeaderTest : public ::testing::Test {
protected:
    void SetUp() override { LogStore::Instance().Clear(); }
    static std::vector<std::wstring> Lines() { return LogStore::Instance().Lines(); }
};

TEST_F(MpegAudioHeaderTest, Mpeg1LayerIII128kFramesAre417BytesOr418WithPadding)
{
    TMpegAudioHeader h;
    ASSERT_TRUE(ParseMpegAudioHeader(Header(0xFF, 0xFB, 0x90, 0x64), h));
    EXPECT_EQ(417u, h.frameSize);
    EXPECT_EQ(128u, h.bitrate);
    EXPECT_EQ(44100u, h.sampleRate);
    EXPECT_EQ(1u, h.channelMode);
    EXPECT_FALSE(h.padding);
    EXPECT_EQ(261224u, h.duration);

    ASSERT_TRUE(ParseMpegAudioHeader(Header(0xFF, 0xFB, 0x92, 0x64), h));
    EXPECT_EQ(418u, h.frameSize);
    EXPECT_TRUE(h.padding);
    EXPECT_TRUE(Lines().empty());
}

TEST_F(MpegAudioHeaderTest, FrameSizesAndDurationsFollowLayerAndVersion)
{
    TMpegAudioHeader h;
    // Layer I counts whole 4-byte slots: MPEG-1 32 kbit/s at 44.1 kHz.
    ASSERT_TRUE(ParseMpegAudioHeader(Header(0xFF, 0xFF, 0x10, 0x00), h));
    EXPECT_EQ(32u, h.frameSize);
    ASSERT_TRUE(ParseMpegAudioHeader(Header(0xFF, 0xFF, 0x12, 0x00), h));
    EXPECT_EQ(36u, h.frameSize);
    // MPEG 2.5 Layer III at 11025 Hz: 576 samples, duration truncated.
    ASSERT_TRUE(ParseMpegAudioHeader(Header(0xFF, 0xE3, 0x10, 0xC0), h));
    EXPECT_EQ(522448u, h.duration);
    EXPECT_EQ(3u, h.channelMode);
    EXPECT_EQ(11025u, h.sampleRate);
    // The smallest and the largest frames the tables allow are both accepted.
    ASSERT_TRUE(ParseMpegAudioHeader(Header(0xFF, 0xF3, 0x14, 0x00), h));
    EXPECT_EQ(24u, h.frameSize);
    ASSERT_TRUE(ParseMpegAudioHeader(Header(0xFF, 0xE5, 0xEA, 0x00), h));
    EXPECT_EQ(2881u, h.frameSize);
    EXPECT_EQ(160u, h.bitrate);
    EXPECT_TRUE(Lines().empty());

    EXPECT_EQ(0u, GetMpegFrameSize(3, 1, 0, 44100, 0));
    EXPECT_EQ(417u, GetMpegFrameSize(3, 1, 128, 44100, 0));
    EXPECT_EQ(320u, GetMpegBitrate(3, 1, 14));
    EXPECT_EQ(160u, GetMpegBitrate(2, 1, 14));
    EXPECT_EQ(8000u, GetMpegSampleRate(0, 2));
}

TEST_F(MpegAudioHeaderTest, InvalidHeaderLogsEveryBadFieldThenTheValuesAndLeavesTheRecordZero)
{
    TMpegAudioHeader h;
    h.frameSize = 99;
    h.padding = true;
    EXPECT_FALSE(ParseMpegAudioHeader(Header(0xFF, 0xF9, 0xF0, 0x00), h));
    const std::vector<std::wstring> expected = {
        L"WARN: MPEG Audio Header: Invalid layer.\n",
        L"WARN: MPEG Audio Header: Invalid bitrate index.\n",
        L"WARN: MPEG Audio Header: Invalid values (id=3, layer=0, bitrate=15, frequency=0)\n",
    };
    EXPECT_EQ(expected, Lines());
    EXPECT_EQ(0u, h.frameSize);
    EXPECT_EQ(0u, h.bitrate);
    EXPECT_EQ(0u, h.sampleRate);
    EXPECT_EQ(0u, h.duration);
    EXPECT_FALSE(h.padding);
}

TEST_F(MpegAudioHeaderTest, BadSyncReservedVersionAndSampleRateAreEachReported)
{
    TMpegAudioHeader h;
    EXPECT_FALSE(ParseMpegAudioHeader(Header(0x49, 0x44, 0x33, 0x03), h));
    EXPECT_EQ(L"WARN: MPEG Audio Header: Invalid sync word.\n", Lines().at(0));
    LogStore::Instance().Clear();
    EXPECT_FALSE(ParseMpegAudioHeader(Header(0xFF, 0xEB, 0x9C, 0x00), h));
    const std::vector<std::wstring> expected = {
        L"WARN: MPEG Audio Header: Invalid MPEG Id.\n",
        L"WARN: MPEG Audio Header: Invalid sampling frequency.\n",
        L"WARN: MPEG Audio Header: Invalid values (id=1, layer=1, bitrate=9, frequency=3)\n",
    };
    EXPECT_EQ(expected, Lines());
}

TEST_F(MpegAudioHeaderTest, FreeFormatIsAcceptedWithUnknownSizeAndOneWarning)
{
    TMpegAudioHeader h;
    EXPECT_TRUE(ParseMpegAudioHeader(Header(0xFF, 0xFB, 0x00, 0x64), h));
    EXPECT_EQ(0u, h.frameSize);
    EXPECT_EQ(0u, h.bitrate);
    EXPECT_EQ(44100u, h.sampleRate);
    const std::vector<std::wstring> expected
        = { L"WARN: MPEG Audio Header: Free format is used (bitrate and frame size is unknown).\n" };
    EXPECT_EQ(expected, Lines());
}

TEST_F(MpegAudioHeaderTest, SideInformationSizeDependsOnVersionAndMonoOnly)
{
    EXPECT_EQ(32u, GetMpegSideInfoSize(Header(0xFF, 0xFB, 0x90, 0x40))); // MPEG-1 joint stereo
    EXPECT_EQ(32u, GetMpegSideInfoSize(Header(0xFF, 0xFB, 0x90, 0x80))); // MPEG-1 dual channel
    EXPECT_EQ(17u, GetMpegSideInfoSize(Header(0xFF, 0xFB, 0x90, 0xC0))); // MPEG-1 mono
    EXPECT_EQ(17u, GetMpegSideInfoSize(Header(0xFF, 0xF3, 0x90, 0x00))); // MPEG-2 stereo
    EXPECT_EQ(9u, GetMpegSideInfoSize(Header(0xFF, 0xE3, 0x90, 0xC0))); // MPEG 2.5 mono
    EXPECT_EQ(17u, GetMpegSideInfoSize(Header(0xFF, 0xFD, 0x90, 0xC0))); // layer not examined
}

TEST_F(MpegAudioHeaderTest, BitrateIndexRisesOneStepUpTo14AndTouchesNothingElse)
{
    uint32_t h = Header(0xFF, 0xFB, 0xD2, 0x64); // index 13, padding
    EXPECT_TRUE(IncreaseBitrateIndex(h));
    EXPECT_EQ(Header(0xFF, 0xFB, 0xE2, 0x64), h);
    EXPECT_FALSE(IncreaseBitrateIndex(h));
    EXPECT_EQ(Header(0xFF, 0xFB, 0xE2, 0x64), h);

    uint32_t invalid = Header(0xFF, 0xFB, 0xF0, 0x00);
    EXPECT_FALSE(IncreaseBitrateIndex(invalid));
    EXPECT_EQ(Header(0xFF, 0xFB, 0xF0, 0x00), invalid);

    uint32_t freeFormat = Header(0xFF, 0xFB, 0x0F, 0xFF);
    EXPECT_TRUE(IncreaseBitrateIndex(freeFormat));
    EXPECT_EQ(Header(0xFF, 0xFB, 0x1F, 0xFF), freeFormat);
}

TEST_F(MpegAudioHeaderTest, BigEndianReadAdvancesFourBytes)
{
    const unsigned char bytes[] = { 0x12, 0x34, 0x56, 0x78, 0x9A };
    const unsigned char* p = bytes;
    EXPECT_EQ(0x12345678u, ReadBigEndian32(p));
    EXPECT_EQ(bytes + 4, p);
}

} // namespace
