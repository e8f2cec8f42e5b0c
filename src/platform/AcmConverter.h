// What a built-in driver of our audio manager provides for one open conversion stream.
#pragma once

#include <cstdint>

class IAcmConverter {
public:
    virtual ~IAcmConverter() = default;
    // Largest output for sourceBytes of input.
    virtual std::uint32_t DestinationSize(std::uint32_t sourceBytes) const = 0;
    // Largest input whose output fits in destinationBytes.
    virtual std::uint32_t SourceSize(std::uint32_t destinationBytes) const = 0;
    // Converts one block; returns an MMRESULT and what was used of either buffer.
    virtual std::uint32_t Convert(const unsigned char* source, std::uint32_t sourceLength,
        unsigned char* destination, std::uint32_t destinationLength, std::uint32_t& sourceUsed,
        std::uint32_t& destinationUsed)
        = 0;
};
