// Cuts an MP3 stream into its elements: audio frames, the VBR information frame and ID3 tags.
#pragma once

#include "engine/MpegAudioHeader.h"

#include <boost/noncopyable.hpp>
#include <cstdint>
#include <istream>
#include <memory>

class StreamReader;

class CMp3Parser : private boost::noncopyable {
public:
    struct TElement {
        const unsigned char* data; // inside the reader's buffer; valid until the next call
        uint32_t size;
        TMpegAudioHeader* header; // the parser's header for frames; null for tags and failures
    };

    enum {
        EAudioFrame = 1,
        EVbrInfoFrame = 2,
        EId3v1Tag = 3,
        EId3v2Tag = 4,
        EEndOfFile = 5,
        EReadError = 6,
        EInvalidFrame = 7,
        ENoSync = 8,
    };

    // Creates the reader over the stream, which seeks it to its start. The stream is not owned.
    explicit CMp3Parser(std::istream& stream);
    virtual ~CMp3Parser();

    // Consumes the previous element (or the step left by a failure) and reads the next one.
    // On ENoSync the next call looks one byte further; call until EEndOfFile or EReadError.
    unsigned ReadNextElement(TElement& element);

    // Maps a StreamReader result to a parser result and logs it; EOk gives 0.
    static unsigned TranslateReaderError(unsigned readerResult);

    // A Xing/Info or VBRI frame. Only the frame's own size bytes are ever looked at.
    static bool IsVbrInfoFrame(const unsigned char* frame, uint32_t size);
    static bool IsXingFrame(const unsigned char* frame, uint32_t size);
    static bool IsVBRIFrame(const unsigned char* frame, uint32_t size);

    // Marker tests on three bytes.
    static bool IsFrameSync(const unsigned char* bytes);
    static bool IsId3v2Marker(const unsigned char* bytes);
    static bool IsId3v1Marker(const unsigned char* bytes);

private:
    unsigned ReadElement(TElement& element);

    std::unique_ptr<StreamReader> reader;
    unsigned step;
    TMpegAudioHeader header;
    unsigned frameCount;
};
