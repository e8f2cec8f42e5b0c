// Decoding and validation of the 4-byte MPEG audio frame header.
#include "engine/MpegAudioHeader.h"

#include "engine/Log.h"

#include <boost/format.hpp>

namespace {

// [layer field][bitrate index]; layer field 3 is Layer I, 1 is Layer III.
const uint32_t BitratesMpeg1[4][16] = {
    { 0 },
    { 0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0 },
    { 0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0 },
    { 0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0 },
};

const uint32_t BitratesMpeg2[4][16] = {
    { 0 },
    { 0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0 },
    { 0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0 },
    { 0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0 },
};

// [version field][sample-rate index]; version 0 is MPEG 2.5, 1 reserved, 2 MPEG-2, 3 MPEG-1.
const uint32_t SampleRates[4][4] = {
    { 11025, 12000, 8000, 0 },
    { 0, 0, 0, 0 },
    { 22050, 24000, 16000, 0 },
    { 44100, 48000, 32000, 0 },
};

// [version field][layer field]
const uint32_t SamplesPerFrame[4][4] = {
    { 0, 576, 1152, 384 },
    { 0, 0, 0, 0 },
    { 0, 576, 1152, 384 },
    { 0, 1152, 1152, 384 },
};

const uint32_t MinFrameSize = 24;
const uint32_t MaxFrameSize = 2881;

uint32_t VersionField(uint32_t header)
{
    return (header >> 19) & 3;
}
uint32_t LayerField(uint32_t header)
{
    return (header >> 17) & 3;
}
uint32_t BitrateIndexField(uint32_t header)
{
    return (header >> 12) & 15;
}
uint32_t SampleRateIndexField(uint32_t header)
{
    return (header >> 10) & 3;
}

void Warn(const wchar_t* text)
{
    LogWarn(text);
}

} // namespace

uint32_t GetMpegBitrate(uint32_t version, uint32_t layer, uint32_t bitrateIndex)
{
    const auto& table = version == 3 ? BitratesMpeg1 : BitratesMpeg2;
    return table[layer & 3][bitrateIndex & 15];
}

uint32_t GetMpegSampleRate(uint32_t version, uint32_t sampleRateIndex)
{
    return SampleRates[version & 3][sampleRateIndex & 3];
}

uint32_t GetMpegFrameSize(
    uint32_t version, uint32_t layer, uint32_t bitrate, uint32_t sampleRate, uint32_t padding)
{
    if (bitrate == 0 || sampleRate == 0)
        return 0;
    if ((layer & 3) == 3)
        return (12 * bitrate * 1000 / sampleRate + padding) * 4;
    return SamplesPerFrame[version & 3][layer & 3] / 8 * bitrate * 1000 / sampleRate + padding;
}

bool ParseMpegAudioHeader(uint32_t header, TMpegAudioHeader& result)
{
    result = TMpegAudioHeader();

    const uint32_t version = VersionField(header);
    const uint32_t layer = LayerField(header);
    const uint32_t bitrateIndex = BitrateIndexField(header);
    const uint32_t sampleRateIndex = SampleRateIndexField(header);

    bool valid = true;
    if ((header & 0xFFE00000u) != 0xFFE00000u) {
        Warn(L"MPEG Audio Header: Invalid sync word.");
        valid = false;
    }
    if (version == 1) {
        Warn(L"MPEG Audio Header: Invalid MPEG Id.");
        valid = false;
    }
    if (layer == 0) {
        Warn(L"MPEG Audio Header: Invalid layer.");
        valid = false;
    }
    if (bitrateIndex == 15) {
        Warn(L"MPEG Audio Header: Invalid bitrate index.");
        valid = false;
    }
    if (sampleRateIndex == 3) {
        Warn(L"MPEG Audio Header: Invalid sampling frequency.");
        valid = false;
    }
    if (!valid) {
        LogWarn(
            (boost::wformat(L"MPEG Audio Header: Invalid values (id=%d, layer=%d, bitrate=%d, frequency=%d)")
                % version % layer % bitrateIndex % sampleRateIndex)
                .str());
        return false;
    }

    const uint32_t padding = (header >> 9) & 1;
    result.channelMode = (header >> 6) & 3;
    result.padding = padding != 0;
    result.bitrate = GetMpegBitrate(version, layer, bitrateIndex);
    result.sampleRate = GetMpegSampleRate(version, sampleRateIndex);
    result.frameSize = GetMpegFrameSize(version, layer, result.bitrate, result.sampleRate, padding);
    result.duration = static_cast<uint32_t>(
        static_cast<uint64_t>(SamplesPerFrame[version][layer]) * 10000000u / result.sampleRate);

    if (result.frameSize == 0) {
        Warn(L"MPEG Audio Header: Free format is used (bitrate and frame size is unknown).");
        return true;
    }
    if (result.frameSize < MinFrameSize || result.frameSize > MaxFrameSize) {
        LogWarn((boost::wformat(L"MPEG Audio Header: Invalid frame size %d.") % result.frameSize).str());
        return false;
    }
    return true;
}

uint32_t GetMpegSideInfoSize(uint32_t header)
{
    const bool mpeg1 = VersionField(header) == 3;
    const bool mono = ((header >> 6) & 3) == 3;
    if (mpeg1)
        return mono ? 17 : 32;
    return mono ? 9 : 17;
}

bool IncreaseBitrateIndex(uint32_t& header)
{
    const uint32_t index = BitrateIndexField(header);
    if (index >= 14)
        return false;
    header = (header & ~0x0000F000u) | ((index + 1) << 12);
    return true;
}

uint32_t ReadBigEndian32(const unsigned char*& p)
{
    const uint32_t value = (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
    p += 4;
    return value;
}
