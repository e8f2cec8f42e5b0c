// The CRC-16 that protects an MPEG audio frame's header and side information.
#pragma once

#include <cstdint>
#include <vector>

// CRC-16 (polynomial 0x8005, start 0xFFFF) over header bytes 2 and 3 and the sideInfoSize bytes
// from byte 6 on; stored big-endian in bytes 4 and 5. A frame too short for that is left alone.
void ComputeMpegFrameCrc(std::vector<unsigned char>& frame, std::uint32_t sideInfoSize);

// The same checksum, computed without storing it (for checking a frame's own CRC).
std::uint16_t MpegFrameCrc(const unsigned char* frame, std::uint32_t sideInfoSize);
