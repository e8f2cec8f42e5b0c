// The frame decoder over the audio manager: parses elements and converts each frame to 8-bit mono PCM.
#pragma once

#include "engine/Mp3Decoder.h"

#include <boost/noncopyable.hpp>
#include <istream>
#include <memory>

struct MPEGLAYER3WAVEFORMAT;
struct TMpegAudioHeader;

class CAcmMp3Decoder : public IMp3Decoder, private boost::noncopyable {
public:
    // Reads the stream from its start; the stream stays its owner's. Never fails: a missing decoder
    // shows at the first audio frame.
    explicit CAcmMp3Decoder(std::istream& stream);
    // Closes the conversion stream and driver, then drops the parser; the stream stays open.
    ~CAcmMp3Decoder() override;

    int Decode(TFrameInfo& info, unsigned flags) override;

    class impl;

private:
    std::unique_ptr<impl> pimpl;
};

// Describes a frame in the manager's MP3 format: channels, rates, block size and padding only.
void MakeMp3WaveFormat(const TMpegAudioHeader& header, MPEGLAYER3WAVEFORMAT& format);
