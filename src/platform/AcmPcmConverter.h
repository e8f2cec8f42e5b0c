// Built-in PCM converter driver of our audio manager: changes the sample size of PCM audio.
#pragma once

#include "platform/Acm.h"
#include "platform/AcmConverter.h"

#include <boost/noncopyable.hpp>
#include <memory>

// Converts between 8-bit unsigned and 16-bit signed little-endian PCM of the same rate and channels.
class CAcmPcmConverter : public IAcmConverter, private boost::noncopyable {
public:
    // A converter for the formats, or null with the reason in result.
    static std::unique_ptr<IAcmConverter> Open(
        const WAVEFORMATEX& source, const WAVEFORMATEX& destination, MMRESULT& result);

    std::uint32_t DestinationSize(std::uint32_t sourceBytes) const override;
    std::uint32_t SourceSize(std::uint32_t destinationBytes) const override;
    std::uint32_t Convert(const unsigned char* source, std::uint32_t sourceLength, unsigned char* destination,
        std::uint32_t destinationLength, std::uint32_t& sourceUsed, std::uint32_t& destinationUsed) override;

private:
    CAcmPcmConverter(unsigned sourceBytes, unsigned destinationBytes, unsigned channels);

    unsigned sourceBytes; // per sample: 1 or 2
    unsigned destinationBytes;
    unsigned channels;
};
