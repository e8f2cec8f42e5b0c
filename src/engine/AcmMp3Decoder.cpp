// The frame decoder over the audio manager: parses elements and converts each frame to 8-bit mono PCM.
#include "engine/AcmMp3Decoder.h"

#include "engine/AcmEnvironment.h"
#include "engine/Log.h"
#include "engine/Mp3Parser.h"
#include "engine/MpegAudioHeader.h"
#include "platform/Acm.h"

#include <boost/format.hpp>
#include <boost/shared_ptr.hpp>
#include <cstring>
#include <vector>

namespace {

// The largest MPEG audio frame; the PCM buffer is sized for it once.
const std::uint32_t MaxFrameBytes = 2881;
// The search for a frame sync gives up after this many further attempts (one byte each).
const unsigned MaxSyncRetries = 0xA00000;
// Junk longer than this before the first frame marks a file that is no MP3 file.
const unsigned MaxJunkBeforeFirstFrame = 3000;

// The pause search needs no more than a quarter of MPEG-1's rates, half of MPEG-2's.
std::uint32_t ReducedRate(std::uint32_t rate)
{
    switch (rate) {
    case 48000:
    case 24000:
    case 12000:
        return 12000;
    case 44100:
    case 22050:
        return 11025;
    case 32000:
    case 16000:
    case 8000:
        return 8000;
    default:
        return rate;
    }
}

} // namespace

class CAcmMp3Decoder::impl : public IMp3Decoder, private boost::noncopyable {
public:
    explicit impl(std::istream& stream);
    ~impl() override;

    int Decode(TFrameInfo& info, unsigned flags) override;

private:
    int DecodeNextFrame(unsigned flags);
    int SetupStream(const TMpegAudioHeader& header);
    void UnprepareHeader();
    static int TranslateParserResult(unsigned result);

    CMp3Parser parser;
    unsigned framesDecoded;
    CMp3Parser::TElement element;
    unsigned bytesConsumed;
    CAcmEnvironment environment;
    MPEGLAYER3WAVEFORMAT sourceFormat;
    WAVEFORMATEX targetFormat;
    HACMDRIVER driver;
    HACMSTREAM stream;
    ACMSTREAMHEADER streamHeader;
    bool setupAttempted;
    std::vector<unsigned char> pcmBuffer;
    float energy;
};

CAcmMp3Decoder::impl::impl(std::istream& stream)
    : parser(stream)
    , framesDecoded(0)
    , element()
    , bytesConsumed(0)
    , environment()
    , sourceFormat()
    , targetFormat()
    , driver(nullptr)
    , stream(nullptr)
    , streamHeader()
    , setupAttempted(false)
    , pcmBuffer(1)
    , energy(0)
{
}

CAcmMp3Decoder::impl::~impl()
{
    if (stream && acmStreamClose(stream, 0) != MMSYSERR_NOERROR)
        LogWarn(L"ACM: Error closing ACM stream");
    if (driver && acmDriverClose(driver, 0) != MMSYSERR_NOERROR)
        LogWarn(L"ACM: Error closing driver");
}

int CAcmMp3Decoder::impl::Decode(TFrameInfo& info, unsigned flags)
{
    std::memset(&info, 0, sizeof(info));
    info.flags = flags & (ENoEnergy | EParseOnly);
    energy = 0;
    const int result = DecodeNextFrame(flags);
    info.data = element.data;
    info.length = element.size;
    info.bytesConsumed = bytesConsumed;
    // Only a decoded frame has a duration, bitrate and energy; a frame whose set-up or conversion
    // failed reports its bytes alone.
    if (result == EOk) {
        info.duration = element.header->duration;
        info.bitrate = element.header->bitrate;
        info.energy = energy;
    }
    return result;
}

int CAcmMp3Decoder::impl::DecodeNextFrame(unsigned flags)
{
    unsigned result = parser.ReadNextElement(element);
    unsigned skipped = 0;
    while (result == CMp3Parser::ENoSync && skipped < MaxSyncRetries) {
        result = parser.ReadNextElement(element);
        ++skipped;
    }
    if (skipped > 0) {
        LogInfo(boost::str(boost::wformat(L"Searched next MP3 frame sync - skipped %d bytes") % skipped));
        if (framesDecoded == 0 && skipped > MaxJunkBeforeFirstFrame && result == CMp3Parser::EInvalidFrame) {
            LogError(L"This is not a MP3 file");
            return ENoMp3Data;
        }
    }
    bytesConsumed = element.size + skipped;

    switch (result) {
    case CMp3Parser::EAudioFrame:
        break;
    case CMp3Parser::EVbrInfoFrame:
    case CMp3Parser::EId3v1Tag:
    case CMp3Parser::EId3v2Tag:
        return EBadFrame;
    case CMp3Parser::EEndOfFile:
        LogInfo(boost::str(boost::wformat(L"Decoded %d frames") % framesDecoded));
        return TranslateParserResult(result);
    default:
        LogError(boost::str(boost::wformat(L"Error after %d frames") % framesDecoded));
        return TranslateParserResult(result);
    }

    ++framesDecoded;
    energy = 0;
    if (flags & EParseOnly)
        return EOk;

    const int setup = SetupStream(*element.header);
    if (setup != EOk) {
        LogError(L"ACM: Error setting up the decoder");
        return setup;
    }

    streamHeader.size = sizeof(streamHeader);
    streamHeader.source = element.data;
    streamHeader.sourceLength = element.size;
    streamHeader.destination = pcmBuffer.data();
    streamHeader.destinationLength = static_cast<std::uint32_t>(pcmBuffer.size());
    if (acmStreamPrepareHeader(stream, &streamHeader, 0) != MMSYSERR_NOERROR) {
        LogError(L"ACM: Error preparing stream header");
        return ESetupFailed;
    }
    // The header must be unprepared on every way out of this step.
    boost::shared_ptr<void> unprepare(static_cast<void*>(nullptr), [this](void*) { UnprepareHeader(); });

    if (acmStreamConvert(stream, &streamHeader, ACM_STREAMCONVERTF_BLOCKALIGN) != MMSYSERR_NOERROR) {
        LogError(L"ACM: Conversion step failed");
        return EBadFrame;
    }
    if (streamHeader.sourceLengthUsed != element.size)
        LogWarn(boost::str(boost::wformat(L"ACM: Frame decoding error: only %d / %d bytes processed")
            % streamHeader.sourceLengthUsed % element.size));

    if (!(flags & ENoEnergy)) {
        const std::uint32_t count = streamHeader.destinationLengthUsed;
        const unsigned char* pcm = pcmBuffer.data();
        std::uint32_t sum = 0;
        for (std::uint32_t i = 0; i < count; ++i) {
            const int sample = int(pcm[i]) - 128;
            sum += static_cast<std::uint32_t>(sample * sample);
        }
        energy = count ? static_cast<float>(double(sum) / double(count)) : 0.0f;
    }
    return EOk;
}

int CAcmMp3Decoder::impl::SetupStream(const TMpegAudioHeader& header)
{
    if (setupAttempted)
        return EOk;
    setupAttempted = true;

    if (!environment.FraunhoferDecoder() && !environment.OtherDecoder()) {
        LogError(L"ACM: Mp3 decoder not found");
        return ESetupFailed;
    }
    if (!environment.HasPcmConverter()) {
        LogError(L"ACM: PCM converter not found");
        return ESetupFailed;
    }

    const bool fraunhofer = environment.FraunhoferDecoder() != nullptr;
    std::memset(&sourceFormat, 0, sizeof(sourceFormat));
    sourceFormat.wfx.formatTag = WAVE_FORMAT_MPEGLAYER3;
    sourceFormat.wfx.channels = header.channelMode == 3 ? 1 : 2;
    sourceFormat.wfx.samplesPerSec = header.sampleRate;
    sourceFormat.wfx.avgBytesPerSec = header.bitrate * 1000 / 8;
    sourceFormat.wfx.blockAlign = 1;
    sourceFormat.wfx.bitsPerSample = 0;
    sourceFormat.wfx.extraSize = MPEGLAYER3_WFX_EXTRA_BYTES;
    sourceFormat.id = MPEGLAYER3_ID_MPEG;
    sourceFormat.flags = MPEGLAYER3_FLAG_PADDING_OFF;
    sourceFormat.blockSize = MaxFrameBytes;
    sourceFormat.framesPerBlock = 1;
    sourceFormat.codecDelay = fraunhofer ? 1393 : 0;
    HACMDRIVERID driverId = fraunhofer ? environment.FraunhoferDecoder() : environment.OtherDecoder();

    const std::uint32_t rate = ReducedRate(header.sampleRate);
    LogInfo(boost::str(boost::wformat(L"ACM: Converting from %d hz to %d hz") % header.sampleRate % rate));
    std::memset(&targetFormat, 0, sizeof(targetFormat));
    targetFormat.formatTag = WAVE_FORMAT_PCM;
    targetFormat.channels = 1;
    targetFormat.samplesPerSec = rate;
    targetFormat.avgBytesPerSec = rate;
    targetFormat.blockAlign = 1;
    targetFormat.bitsPerSample = 8;
    targetFormat.extraSize = 0;

    MMRESULT result = acmDriverOpen(&driver, driverId, 0);
    if (result != MMSYSERR_NOERROR) {
        driver = nullptr;
        LogError(boost::str(boost::wformat(L"ACM: Error opening driver (ACMERR=%d)") % result));
        return ESetupFailed;
    }
    result = acmStreamOpen(
        &stream, driver, &sourceFormat.wfx, &targetFormat, nullptr, 0, 0, ACM_STREAMOPENF_NONREALTIME);
    if (result != MMSYSERR_NOERROR) {
        stream = nullptr;
        LogError(boost::str(boost::wformat(L"ACM: Error opening stream (ACMERR=%d)") % result));
        return ESetupFailed;
    }
    std::uint32_t pcmSize = 0;
    result = acmStreamSize(stream, MaxFrameBytes, &pcmSize, ACM_STREAMSIZEF_SOURCE);
    if (result != MMSYSERR_NOERROR) {
        LogError(boost::str(boost::wformat(L"ACM: Error obtaining PCM buffer size (ACMERR=%d)") % result));
        // Without a buffer size no frame can be converted; closing the stream makes every later
        // frame fail to set up instead of converting into a one-byte buffer.
        acmStreamClose(stream, 0);
        stream = nullptr;
        return ESetupFailed;
    }
    pcmBuffer.resize(pcmSize, 0);
    return EOk;
}

void CAcmMp3Decoder::impl::UnprepareHeader()
{
    const MMRESULT result = acmStreamUnprepareHeader(stream, &streamHeader, 0);
    if (result != MMSYSERR_NOERROR)
        LogWarn(boost::str(boost::wformat(L"ACM: Error unpreparing stream header (ACMERR=%d)") % result));
    std::memset(&streamHeader, 0, sizeof(streamHeader));
}

int CAcmMp3Decoder::impl::TranslateParserResult(unsigned result)
{
    switch (result) {
    case 0:
    case CMp3Parser::EAudioFrame:
    case CMp3Parser::EVbrInfoFrame:
    case CMp3Parser::EId3v1Tag:
    case CMp3Parser::EId3v2Tag:
        return EOk;
    case CMp3Parser::EEndOfFile:
        LogInfo(L"MP3 decoder: Mp3Parser::EEndOfFile");
        return EEndOfFile;
    case CMp3Parser::EReadError:
        LogError(L"MP3 decoder: Mp3Parser::EReadError");
        return EReadError;
    case CMp3Parser::EInvalidFrame:
        LogError(L"MP3 decoder: Mp3Parser::EInvalidFrame");
        return EBadFrame;
    case CMp3Parser::ENoSync:
        LogError(L"MP3 decoder: Mp3Parser::ENoSync");
        return ENoMp3Data;
    default:
        LogError(boost::str(boost::wformat(L"MP3 decoder: Error code %d") % result));
        return ENoMp3Data;
    }
}

CAcmMp3Decoder::CAcmMp3Decoder(std::istream& stream)
    : pimpl(new impl(stream))
{
}

CAcmMp3Decoder::~CAcmMp3Decoder() = default;

int CAcmMp3Decoder::Decode(TFrameInfo& info, unsigned flags)
{
    return pimpl->Decode(info, flags);
}

void MakeMp3WaveFormat(const TMpegAudioHeader& header, MPEGLAYER3WAVEFORMAT& format)
{
    format.wfx.channels = header.channelMode == 3 ? 1 : 2;
    format.wfx.avgBytesPerSec = header.bitrate * 1000 / 8;
    format.wfx.samplesPerSec = header.sampleRate;
    format.blockSize = static_cast<std::uint16_t>(header.frameSize);
    format.flags = header.padding ? MPEGLAYER3_FLAG_PADDING_ON : MPEGLAYER3_FLAG_PADDING_OFF;
}
