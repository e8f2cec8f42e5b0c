// Built-in MPEG audio decoder driver: one libmpg123 handle in feed mode per conversion stream.
#include "platform/AcmMpegDecoder.h"

#include <mpg123.h>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <iterator>

namespace {

// Every sample rate that an MPEG audio header can carry.
bool IsMpegSampleRate(std::uint32_t rate)
{
    static const std::uint32_t rates[] = { 48000, 44100, 32000, 24000, 22050, 16000, 12000, 11025, 8000 };
    return std::find(std::begin(rates), std::end(rates), rate) != std::end(rates);
}

// The most samples one MPEG audio frame holds per channel (Layers II and III of MPEG-1).
const std::uint32_t MaxSamplesPerFrame = 1152;

} // namespace

std::unique_ptr<IAcmConverter> CAcmMpegDecoder::Open(
    const WAVEFORMATEX& source, const WAVEFORMATEX& destination, MMRESULT& result)
{
    result = ACMERR_NOTPOSSIBLE;
    if (source.formatTag != WAVE_FORMAT_MPEGLAYER3 || source.channels < 1 || source.channels > 2
        || !IsMpegSampleRate(source.samplesPerSec))
        return nullptr;
    if (destination.formatTag != WAVE_FORMAT_PCM || destination.channels != 1
        || destination.bitsPerSample != 8 || destination.blockAlign != 1 || destination.samplesPerSec == 0)
        return nullptr;
    // libmpg123 reduces the rate inside its synthesis filter, by 2 or 4 only.
    unsigned divisor = 0;
    for (unsigned d : { 1u, 2u, 4u })
        if (source.samplesPerSec == destination.samplesPerSec * d)
            divisor = d;
    if (divisor == 0)
        return nullptr;

    int error = MPG123_OK;
    mpg123_handle* handle = mpg123_new(nullptr, &error);
    if (!handle) {
        result = MMSYSERR_NOMEM;
        return nullptr;
    }
    // Whole frames arrive one by one, so the parser need not wait for the next header (NO_READAHEAD);
    // an information frame is plain data here, and no gapless trimming shifts samples between frames.
    const long addFlags = MPG123_MONO_MIX | MPG123_QUIET | MPG123_NO_READAHEAD | MPG123_IGNORE_INFOFRAME;
    bool ok = mpg123_param(handle, MPG123_ADD_FLAGS, addFlags, 0) == MPG123_OK
        && mpg123_param(handle, MPG123_REMOVE_FLAGS, MPG123_GAPLESS, 0) == MPG123_OK
        && mpg123_param(handle, MPG123_DOWN_SAMPLE,
               divisor == 1       ? 0
                   : divisor == 2 ? 1
                                  : 2,
               0)
            == MPG123_OK
        && mpg123_format_none(handle) == MPG123_OK;
    // Any rate is allowed so that a stream whose rate changes midway still decodes.
    const long* rates = nullptr;
    std::size_t rateCount = 0;
    mpg123_rates(&rates, &rateCount);
    for (std::size_t i = 0; ok && i < rateCount; ++i)
        ok = mpg123_format(handle, rates[i], MPG123_MONO, MPG123_ENC_UNSIGNED_8) == MPG123_OK;
    ok = ok && mpg123_open_feed(handle) == MPG123_OK;
    if (!ok) {
        mpg123_delete(handle);
        return nullptr;
    }
    result = MMSYSERR_NOERROR;
    return std::unique_ptr<IAcmConverter>(new CAcmMpegDecoder(handle, divisor));
}

CAcmMpegDecoder::CAcmMpegDecoder(mpg123_handle* handle, unsigned divisor)
    : handle(handle)
    , divisor(divisor)
{
}

CAcmMpegDecoder::~CAcmMpegDecoder()
{
    mpg123_delete(handle);
}

std::uint32_t CAcmMpegDecoder::DestinationSize(std::uint32_t) const
{
    // Room for two frames: one the decoder may still hold after a damaged frame, and this one.
    return 2 * MaxSamplesPerFrame / divisor;
}

std::uint32_t CAcmMpegDecoder::SourceSize(std::uint32_t destinationBytes) const
{
    // The smallest frame (24 bytes) yields at least 576 / divisor samples.
    return destinationBytes < 576 / divisor ? 0 : 2881;
}

bool CAcmMpegDecoder::Restart()
{
    mpg123_close(handle);
    return mpg123_open_feed(handle) == MPG123_OK;
}

std::uint32_t CAcmMpegDecoder::Convert(const unsigned char* source, std::uint32_t sourceLength,
    unsigned char* destination, std::uint32_t destinationLength, std::uint32_t& sourceUsed,
    std::uint32_t& destinationUsed)
{
    sourceUsed = 0;
    destinationUsed = 0;
    if (sourceLength > 0 && mpg123_feed(handle, source, sourceLength) != MPG123_OK) {
        Restart();
        return MMSYSERR_NOMEM;
    }
    sourceUsed = sourceLength;
    for (;;) {
        off_t frameNumber = 0;
        unsigned char* audio = nullptr;
        std::size_t bytes = 0;
        const int status = mpg123_decode_frame(handle, &frameNumber, &audio, &bytes);
        if (status == MPG123_NEW_FORMAT)
            continue;
        if (status == MPG123_NEED_MORE || status == MPG123_DONE)
            return MMSYSERR_NOERROR;
        if (status != MPG123_OK) {
            // Start afresh so that the damaged bytes do not spoil the frames that follow.
            Restart();
            return ACMERR_NOTPOSSIBLE;
        }
        const std::size_t fit = std::min<std::size_t>(bytes, destinationLength - destinationUsed);
        if (fit > 0)
            std::memcpy(destination + destinationUsed, audio, fit);
        destinationUsed += static_cast<std::uint32_t>(fit);
    }
}
