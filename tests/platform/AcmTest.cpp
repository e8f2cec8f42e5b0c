// Our audio manager: what its drivers say about themselves, and how its streams take and refuse work.
#include "platform/Acm.h"
#include "platform/AcmInstallableDriver.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct TSeen {
    std::vector<HACMDRIVERID> ids;
    std::vector<std::uint32_t> support;
};

bool Collect(HACMDRIVERID id, std::uintptr_t instance, std::uint32_t support)
{
    auto* seen = reinterpret_cast<TSeen*>(instance);
    seen->ids.push_back(id);
    seen->support.push_back(support);
    return true;
}

TSeen Enumerate()
{
    TSeen seen;
    EXPECT_EQ(MMSYSERR_NOERROR, acmDriverEnum(&Collect, reinterpret_cast<std::uintptr_t>(&seen), 0));
    return seen;
}

HACMDRIVERID FindDriver(std::uint32_t supportBit)
{
    const TSeen seen = Enumerate();
    for (std::size_t i = 0; i < seen.ids.size(); ++i)
        if (seen.support[i] & supportBit)
            return seen.ids[i];
    return nullptr;
}

WAVEFORMATEX Mp3Format(std::uint32_t rate, std::uint16_t channels)
{
    WAVEFORMATEX f = {};
    f.formatTag = WAVE_FORMAT_MPEGLAYER3;
    f.channels = channels;
    f.samplesPerSec = rate;
    f.blockAlign = 1;
    f.extraSize = MPEGLAYER3_WFX_EXTRA_BYTES;
    return f;
}

WAVEFORMATEX PcmFormat(std::uint32_t rate, std::uint16_t channels, std::uint16_t bits)
{
    WAVEFORMATEX f = {};
    f.formatTag = WAVE_FORMAT_PCM;
    f.channels = channels;
    f.samplesPerSec = rate;
    f.bitsPerSample = bits;
    f.blockAlign = static_cast<std::uint16_t>(channels * bits / 8);
    f.avgBytesPerSec = rate * f.blockAlign;
    return f;
}

TEST(AcmDrivers, AnMp3DecoderAndAPcmConverterDescribeThemselves)
{
    const TSeen seen = Enumerate();
    ASSERT_EQ(2u, seen.ids.size());
    for (std::size_t i = 0; i < 2; ++i) {
        ACMDRIVERDETAILSW details;
        std::memset(&details, 0, sizeof(details));
        details.size = sizeof(details);
        ASSERT_EQ(MMSYSERR_NOERROR, acmDriverDetailsW(seen.ids[i], &details, 0));
        EXPECT_EQ(seen.support[i], details.support);
        HACMDRIVER driver = nullptr;
        ASSERT_EQ(MMSYSERR_NOERROR, acmDriverOpen(&driver, seen.ids[i], 0));
        std::vector<std::uint32_t> tags;
        for (std::uint32_t index = 0; index < details.formatTags; ++index) {
            ACMFORMATTAGDETAILSW tag;
            std::memset(&tag, 0, sizeof(tag));
            tag.size = sizeof(tag);
            tag.formatTagIndex = index;
            ASSERT_EQ(MMSYSERR_NOERROR, acmFormatTagDetailsW(driver, &tag, ACM_FORMATTAGDETAILSF_INDEX));
            tags.push_back(tag.formatTag);
        }
        ACMFORMATTAGDETAILSW beyond = {};
        beyond.size = sizeof(beyond);
        beyond.formatTagIndex = details.formatTags;
        EXPECT_NE(MMSYSERR_NOERROR, acmFormatTagDetailsW(driver, &beyond, ACM_FORMATTAGDETAILSF_INDEX));
        EXPECT_EQ(MMSYSERR_NOERROR, acmDriverClose(driver, 0));
        if (details.support & ACMDRIVERDETAILS_SUPPORTF_CODEC)
            EXPECT_EQ(std::vector<std::uint32_t>({ WAVE_FORMAT_PCM, WAVE_FORMAT_MPEGLAYER3 }), tags);
        else
            EXPECT_EQ(std::vector<std::uint32_t>({ WAVE_FORMAT_PCM }), tags);
    }
}

TEST(AcmDrivers, TheMp3DecoderCanBeHiddenAsOnASystemWithoutOne)
{
    AcmHideMpegDecoder(true);
    const TSeen seen = Enumerate();
    HACMDRIVER driver = nullptr;
    AcmHideMpegDecoder(false);
    ASSERT_EQ(1u, seen.ids.size());
    EXPECT_TRUE(seen.support[0] & ACMDRIVERDETAILS_SUPPORTF_CONVERTER);
    EXPECT_EQ(MMSYSERR_INVALHANDLE, acmDriverOpen(&driver, nullptr, 0));
    EXPECT_EQ(nullptr, driver);
}

TEST(AcmDrivers, NoCodecFileCanBeLoadedOrAdded)
{
    EXPECT_EQ(nullptr, OpenDriver(L"l3codecp.acm", nullptr, 0));
    EXPECT_EQ(nullptr, GetDriverModuleHandle(nullptr));
    HACMDRIVERID id = reinterpret_cast<HACMDRIVERID>(1);
    EXPECT_NE(MMSYSERR_NOERROR, acmDriverAddW(&id, nullptr, nullptr, 0, ACM_DRIVERADDF_FUNCTION));
    EXPECT_EQ(nullptr, id);
}

TEST(AcmStreams, TheDecoderReducesTheRateOnlyByTwoOrFour)
{
    HACMDRIVER driver = nullptr;
    ASSERT_EQ(MMSYSERR_NOERROR, acmDriverOpen(&driver, FindDriver(ACMDRIVERDETAILS_SUPPORTF_CODEC), 0));
    const WAVEFORMATEX source = Mp3Format(44100, 2);
    for (std::uint32_t rate : { 44100u, 22050u, 11025u }) {
        const WAVEFORMATEX target = PcmFormat(rate, 1, 8);
        HACMSTREAM stream = nullptr;
        EXPECT_EQ(MMSYSERR_NOERROR,
            acmStreamOpen(&stream, driver, &source, &target, nullptr, 0, 0, ACM_STREAMOPENF_NONREALTIME));
        std::uint32_t size = 0;
        EXPECT_EQ(MMSYSERR_NOERROR, acmStreamSize(stream, 2881, &size, ACM_STREAMSIZEF_SOURCE));
        EXPECT_GE(size, 1152u * rate / 44100);
        EXPECT_EQ(MMSYSERR_NOERROR, acmStreamClose(stream, 0));
    }
    for (const WAVEFORMATEX& target :
        { PcmFormat(14700, 1, 8), PcmFormat(11025, 2, 8), PcmFormat(11025, 1, 16), Mp3Format(11025, 1) }) {
        HACMSTREAM stream = reinterpret_cast<HACMSTREAM>(1);
        EXPECT_EQ(ACMERR_NOTPOSSIBLE, acmStreamOpen(&stream, driver, &source, &target, nullptr, 0, 0, 0));
        EXPECT_EQ(nullptr, stream);
    }
    EXPECT_EQ(MMSYSERR_NOERROR, acmDriverClose(driver, 0));
    EXPECT_EQ(MMSYSERR_INVALHANDLE, acmDriverClose(nullptr, 0));
}

TEST(AcmStreams, AConversionNeedsAPreparedHeaderAndKeepsTheDecoderStateBetweenFrames)
{
    HACMDRIVER driver = nullptr;
    ASSERT_EQ(MMSYSERR_NOERROR, acmDriverOpen(&driver, FindDriver(ACMDRIVERDETAILS_SUPPORTF_CODEC), 0));
    const WAVEFORMATEX source = Mp3Format(11025, 1);
    const WAVEFORMATEX target = PcmFormat(11025, 1, 8);
    HACMSTREAM stream = nullptr;
    ASSERT_EQ(MMSYSERR_NOERROR, acmStreamOpen(&stream, driver, &source, &target, nullptr, 0, 0, 0));
    // A silent MPEG-2.5 Layer III mono frame: header and zeros.
    std::vector<unsigned char> frame(417, 0);
    frame[0] = 0xFF;
    frame[1] = 0xE3;
    frame[2] = 0x80;
    frame[3] = 0xC0;
    std::vector<unsigned char> pcm(2000, 0);
    ACMSTREAMHEADER header = {};
    header.size = sizeof(header);
    header.source = frame.data();
    header.sourceLength = static_cast<std::uint32_t>(frame.size());
    header.destination = pcm.data();
    header.destinationLength = static_cast<std::uint32_t>(pcm.size());
    EXPECT_EQ(ACMERR_UNPREPARED, acmStreamConvert(stream, &header, ACM_STREAMCONVERTF_BLOCKALIGN));
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(MMSYSERR_NOERROR, acmStreamPrepareHeader(stream, &header, 0));
        ASSERT_EQ(MMSYSERR_NOERROR, acmStreamConvert(stream, &header, ACM_STREAMCONVERTF_BLOCKALIGN));
        EXPECT_EQ(frame.size(), header.sourceLengthUsed);
        // Each frame gives its own 576 samples at once, silence being 128.
        ASSERT_EQ(576u, header.destinationLengthUsed);
        for (std::uint32_t s = 0; s < header.destinationLengthUsed; ++s)
            ASSERT_EQ(128, pcm[s]);
        EXPECT_EQ(MMSYSERR_NOERROR, acmStreamUnprepareHeader(stream, &header, 0));
    }
    EXPECT_EQ(ACMERR_UNPREPARED, acmStreamUnprepareHeader(stream, &header, 0));
    EXPECT_EQ(MMSYSERR_NOERROR, acmStreamClose(stream, 0));
    EXPECT_EQ(MMSYSERR_NOERROR, acmDriverClose(driver, 0));
}

TEST(AcmStreams, ThePcmConverterChangesTheSampleSize)
{
    HACMDRIVER driver = nullptr;
    ASSERT_EQ(MMSYSERR_NOERROR, acmDriverOpen(&driver, FindDriver(ACMDRIVERDETAILS_SUPPORTF_CONVERTER), 0));
    const WAVEFORMATEX source = PcmFormat(8000, 1, 16);
    const WAVEFORMATEX target = PcmFormat(8000, 1, 8);
    HACMSTREAM stream = nullptr;
    ASSERT_EQ(MMSYSERR_NOERROR, acmStreamOpen(&stream, driver, &source, &target, nullptr, 0, 0, 0));
    const unsigned char in[] = { 0x00, 0x00, 0x00, 0x80, 0xFF, 0x7F, 0x7F };
    unsigned char out[8] = {};
    ACMSTREAMHEADER header = {};
    header.size = sizeof(header);
    header.source = in;
    header.sourceLength = sizeof(in);
    header.destination = out;
    header.destinationLength = sizeof(out);
    ASSERT_EQ(MMSYSERR_NOERROR, acmStreamPrepareHeader(stream, &header, 0));
    ASSERT_EQ(MMSYSERR_NOERROR, acmStreamConvert(stream, &header, 0));
    EXPECT_EQ(6u, header.sourceLengthUsed); // the odd byte is no whole sample
    EXPECT_EQ(3u, header.destinationLengthUsed);
    EXPECT_EQ(128, out[0]);
    EXPECT_EQ(0, out[1]);
    EXPECT_EQ(255, out[2]);
    EXPECT_EQ(MMSYSERR_NOERROR, acmStreamUnprepareHeader(stream, &header, 0));
    EXPECT_EQ(MMSYSERR_NOERROR, acmStreamClose(stream, 0));
    EXPECT_EQ(MMSYSERR_INVALHANDLE, acmStreamClose(nullptr, 0));
    EXPECT_EQ(MMSYSERR_NOERROR, acmDriverClose(driver, 0));
}

} // namespace
