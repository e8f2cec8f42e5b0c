// The frame decoder interface: one element of an MP3 source per call, with the frame's loudness.
#pragma once

#include <cstdint>

class IMp3Decoder {
public:
    // What Decode found. Every field is zero unless set; duration, bitrate and energy only for audio frames.
    struct TFrameInfo {
        uint32_t flags; // the Decode flags, ENoEnergy and EParseOnly only
        uint32_t duration; // 100 ns units
        const unsigned char* data; // the element's bytes as in the file; valid until the next Decode
        uint32_t length; // the element's length in bytes
        uint32_t bitrate; // kbit/s
        float energy; // mean of (sample - 128)^2 over the frame's 8-bit mono PCM, 0 to 16384
        uint32_t bytesConsumed; // length plus the bytes skipped before the element
    };

    // Decode flags.
    enum {
        ENoEnergy = 4, // convert the frame but leave the energy at 0
        EParseOnly = 8, // find and describe the frame only: no conversion, energy 0
    };

    // Decode results.
    enum {
        EOk = 0, // an audio frame; every field is set
        EReadError = 1, // reading the source failed
        ENoMp3Data = 2, // no frame sync found, or the data is not an MP3 file
        EBadFrame = 3, // a tag, a VBR information frame, a frame that lost sync or failed to convert
        EEndOfFile = 4, // the end of the source; later calls say so again
        ESetupFailed = 5, // the decoder could not be set up
    };

    // Reads exactly one element of the source (after skipping bytes that hold none) into info.
    virtual int Decode(TFrameInfo& info, unsigned flags) = 0;
    virtual ~IMp3Decoder() { }
};
