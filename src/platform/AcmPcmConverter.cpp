// Built-in PCM converter driver: 8-bit unsigned and 16-bit signed samples, in either direction.
#include "platform/AcmPcmConverter.h"

#include <algorithm>
#include <cstring>

std::unique_ptr<IAcmConverter> CAcmPcmConverter::Open(
    const WAVEFORMATEX& source, const WAVEFORMATEX& destination, MMRESULT& result)
{
    result = ACMERR_NOTPOSSIBLE;
    auto usable = [](const WAVEFORMATEX& f) {
        return f.formatTag == WAVE_FORMAT_PCM && f.channels >= 1 && f.channels <= 2
            && (f.bitsPerSample == 8 || f.bitsPerSample == 16) && f.samplesPerSec > 0
            && f.blockAlign == f.channels * f.bitsPerSample / 8;
    };
    if (!usable(source) || !usable(destination) || source.channels != destination.channels
        || source.samplesPerSec != destination.samplesPerSec)
        return nullptr;
    result = MMSYSERR_NOERROR;
    return std::unique_ptr<IAcmConverter>(
        new CAcmPcmConverter(source.bitsPerSample / 8, destination.bitsPerSample / 8, source.channels));
}

CAcmPcmConverter::CAcmPcmConverter(unsigned sourceBytes, unsigned destinationBytes, unsigned channels)
    : sourceBytes(sourceBytes)
    , destinationBytes(destinationBytes)
    , channels(channels)
{
}

std::uint32_t CAcmPcmConverter::DestinationSize(std::uint32_t sourceLength) const
{
    const std::uint64_t blocks = sourceLength / (sourceBytes * channels);
    return static_cast<std::uint32_t>(
        std::min<std::uint64_t>(blocks * destinationBytes * channels, 0xFFFFFFFFu));
}

std::uint32_t CAcmPcmConverter::SourceSize(std::uint32_t destinationLength) const
{
    const std::uint64_t blocks = destinationLength / (destinationBytes * channels);
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(blocks * sourceBytes * channels, 0xFFFFFFFFu));
}

std::uint32_t CAcmPcmConverter::Convert(const unsigned char* source, std::uint32_t sourceLength,
    unsigned char* destination, std::uint32_t destinationLength, std::uint32_t& sourceUsed,
    std::uint32_t& destinationUsed)
{
    const std::uint32_t samples
        = std::min(sourceLength / (sourceBytes * channels), destinationLength / (destinationBytes * channels))
        * channels;
    for (std::uint32_t i = 0; i < samples; ++i) {
        // Work in signed 16 bits: 8-bit samples are offset by 128 and scaled by 256.
        int value = sourceBytes == 1 ? (int(source[i]) - 128) * 256
                                     : int(std::int16_t(source[2 * i] | (source[2 * i + 1] << 8)));
        if (destinationBytes == 1) {
            destination[i] = static_cast<unsigned char>((value >> 8) + 128);
        } else {
            destination[2 * i] = static_cast<unsigned char>(value & 0xFF);
            destination[2 * i + 1] = static_cast<unsigned char>((value >> 8) & 0xFF);
        }
    }
    sourceUsed = samples * sourceBytes;
    destinationUsed = samples * destinationBytes;
    return MMSYSERR_NOERROR;
}
