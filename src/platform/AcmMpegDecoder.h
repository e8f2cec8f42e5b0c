// Built-in MPEG audio decoder driver of our audio manager, backed by libmpg123.
#pragma once

#include "platform/Acm.h"
#include "platform/AcmConverter.h"

#include <boost/noncopyable.hpp>
#include <memory>

struct mpg123_handle_struct;

// Decodes MPEG audio frames (any layer, MPEG-1, 2 and 2.5) to 8-bit unsigned mono PCM at the source rate,
// half or a quarter of it. The decoder state lives across conversions so that Layer III frames can use
// the bit reservoir of the frames before them: hand it the frames of one stream in order.
class CAcmMpegDecoder : public IAcmConverter, private boost::noncopyable {
public:
    // A decoder for the formats, or null with the reason in result.
    static std::unique_ptr<IAcmConverter> Open(
        const WAVEFORMATEX& source, const WAVEFORMATEX& destination, MMRESULT& result);
    ~CAcmMpegDecoder() override;

    std::uint32_t DestinationSize(std::uint32_t sourceBytes) const override;
    std::uint32_t SourceSize(std::uint32_t destinationBytes) const override;
    // Decodes everything that the block completes (normally exactly one frame).
    std::uint32_t Convert(const unsigned char* source, std::uint32_t sourceLength, unsigned char* destination,
        std::uint32_t destinationLength, std::uint32_t& sourceUsed, std::uint32_t& destinationUsed) override;

private:
    CAcmMpegDecoder(mpg123_handle_struct* handle, unsigned divisor);
    bool Restart();

    mpg123_handle_struct* handle;
    unsigned divisor; // source rate / destination rate: 1, 2 or 4
};
