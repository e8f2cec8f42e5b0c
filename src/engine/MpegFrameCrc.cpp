// The CRC-16 of ISO/IEC 11172-3 frames, by Boost.CRC's table-driven engine.
#include "engine/MpegFrameCrc.h"

#include <boost/crc.hpp>

std::uint16_t MpegFrameCrc(const unsigned char* frame, std::uint32_t sideInfoSize)
{
    // Polynomial x^16 + x^15 + x^2 + 1, most significant bit first, no final inversion.
    boost::crc_optimal<16, 0x8005, 0xFFFF, 0, false, false> crc;
    crc.process_bytes(frame + 2, 2);
    crc.process_bytes(frame + 6, sideInfoSize);
    return crc.checksum();
}

void ComputeMpegFrameCrc(std::vector<unsigned char>& frame, std::uint32_t sideInfoSize)
{
    if (frame.size() < 6u + sideInfoSize)
        return;
    std::uint16_t crc = MpegFrameCrc(frame.data(), sideInfoSize);
    frame[4] = static_cast<unsigned char>(crc >> 8);
    frame[5] = static_cast<unsigned char>(crc);
}
