// Decoding and validation of the 4-byte MPEG audio frame header.
#pragma once

#include <cstdint>

struct TMpegAudioHeader {
    uint32_t frameSize; // bytes, header included; 0 for free format
    uint32_t channelMode; // 0 stereo, 1 joint stereo, 2 dual channel, 3 mono
    uint32_t bitrate; // kbit/s; 0 for free format
    uint32_t sampleRate; // Hz
    bool padding;
    uint32_t duration; // 100 ns units
};

// Validates a big-endian assembled header and decodes it into the record. Every rejection logs a
// warning; free format logs one too but is accepted (frame size 0).
bool ParseMpegAudioHeader(uint32_t header, TMpegAudioHeader& result);

// Layer III side-information size for the header's version and channel mode: 32/17 for MPEG-1,
// 17/9 for MPEG-2 and 2.5 (stereo/mono). The layer is not examined.
uint32_t GetMpegSideInfoSize(uint32_t header);

// Raises the bitrate index by one; false (header unchanged) when it is already 14 or 15.
bool IncreaseBitrateIndex(uint32_t& header);

// Table look-ups by raw field values.
uint32_t GetMpegBitrate(uint32_t version, uint32_t layer, uint32_t bitrateIndex);
uint32_t GetMpegSampleRate(uint32_t version, uint32_t sampleRateIndex);
// Frame size in bytes for decoded values; 0 when the bitrate is 0.
uint32_t GetMpegFrameSize(
    uint32_t version, uint32_t layer, uint32_t bitrate, uint32_t sampleRate, uint32_t padding);

// Reads four bytes big-endian and advances the pointer past them.
uint32_t ReadBigEndian32(const unsigned char*& p);
