// Big-endian reads and writes through a byte cursor that moves past what it touched.
#pragma once

#include <cstdint>

inline std::uint16_t GetBigEndian16(const unsigned char*& cursor)
{
    std::uint16_t value = static_cast<std::uint16_t>((cursor[0] << 8) | cursor[1]);
    cursor += 2;
    return value;
}

inline std::uint32_t GetBigEndian32(const unsigned char*& cursor)
{
    std::uint32_t value = (std::uint32_t(cursor[0]) << 24) | (std::uint32_t(cursor[1]) << 16)
        | (std::uint32_t(cursor[2]) << 8) | std::uint32_t(cursor[3]);
    cursor += 4;
    return value;
}

inline void PutBigEndian32(unsigned char*& cursor, std::uint32_t value)
{
    cursor[0] = static_cast<unsigned char>(value >> 24);
    cursor[1] = static_cast<unsigned char>(value >> 16);
    cursor[2] = static_cast<unsigned char>(value >> 8);
    cursor[3] = static_cast<unsigned char>(value);
    cursor += 4;
}
