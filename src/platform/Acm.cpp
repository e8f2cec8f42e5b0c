// Our audio manager: two built-in drivers (MPEG audio decoder, PCM converter) and their streams.
#include "platform/Acm.h"

#include "platform/AcmMpegDecoder.h"
#include "platform/AcmPcmConverter.h"

#include <atomic>
#include <cwchar>
#include <initializer_list>
#include <memory>
#include <new>

typedef std::unique_ptr<IAcmConverter> (*TOpenConverter)(
    const WAVEFORMATEX& source, const WAVEFORMATEX& destination, MMRESULT& result);

// A driver id points at one of these descriptions.
struct TAcmDriverIdTag {
    const wchar_t* shortName;
    const wchar_t* longName;
    std::uint32_t support;
    std::uint16_t formatTags[2];
    std::uint32_t formatTagCount;
    TOpenConverter open;
};

namespace {

// Marks live objects so that a stale or foreign handle is refused instead of followed.
const std::uint32_t DriverMagic = 0x44524956;
const std::uint32_t StreamMagic = 0x5354524D;

TAcmDriverIdTag mpegDecoder = { L"MPEG Audio", L"MPEG audio decoder (libmpg123)",
    ACMDRIVERDETAILS_SUPPORTF_CODEC, { WAVE_FORMAT_PCM, WAVE_FORMAT_MPEGLAYER3 }, 2, &CAcmMpegDecoder::Open };
TAcmDriverIdTag pcmConverter = { L"PCM", L"PCM format converter", ACMDRIVERDETAILS_SUPPORTF_CONVERTER,
    { WAVE_FORMAT_PCM, 0 }, 1, &CAcmPcmConverter::Open };

std::atomic<bool> hideMpegDecoder(false);

bool IsKnownDriverId(HACMDRIVERID id)
{
    return (id == &mpegDecoder && !hideMpegDecoder) || id == &pcmConverter;
}

void CopyName(wchar_t* target, std::size_t chars, const wchar_t* name)
{
    std::wcsncpy(target, name, chars - 1);
    target[chars - 1] = L'\0';
}

} // namespace

struct TAcmDriverTag {
    std::uint32_t magic;
    HACMDRIVERID id;
};

struct TAcmStreamTag {
    std::uint32_t magic;
    std::unique_ptr<IAcmConverter> converter;
};

namespace {

bool IsOpen(HACMDRIVER driver)
{
    return driver && driver->magic == DriverMagic;
}

bool IsOpen(HACMSTREAM stream)
{
    return stream && stream->magic == StreamMagic;
}

} // namespace

bool AcmHideMpegDecoder(bool hide)
{
    return hideMpegDecoder.exchange(hide);
}

MMRESULT acmDriverEnum(ACMDRIVERENUMCB callback, std::uintptr_t instance, std::uint32_t flags)
{
    if (!callback)
        return MMSYSERR_INVALPARAM;
    if (flags != 0)
        return MMSYSERR_INVALFLAG;
    for (HACMDRIVERID id : { &mpegDecoder, &pcmConverter }) {
        if (!IsKnownDriverId(id))
            continue;
        if (!callback(id, instance, id->support))
            break;
    }
    return MMSYSERR_NOERROR;
}

MMRESULT acmDriverDetailsW(HACMDRIVERID driverId, ACMDRIVERDETAILSW* details, std::uint32_t flags)
{
    if (!IsKnownDriverId(driverId))
        return MMSYSERR_INVALHANDLE;
    if (!details || details->size < sizeof(ACMDRIVERDETAILSW))
        return MMSYSERR_INVALPARAM;
    if (flags != 0)
        return MMSYSERR_INVALFLAG;
    details->support = driverId->support;
    details->formatTags = driverId->formatTagCount;
    CopyName(details->shortName, ACMDRIVERDETAILS_SHORTNAME_CHARS, driverId->shortName);
    CopyName(details->longName, ACMDRIVERDETAILS_LONGNAME_CHARS, driverId->longName);
    return MMSYSERR_NOERROR;
}

MMRESULT acmFormatTagDetailsW(HACMDRIVER driver, ACMFORMATTAGDETAILSW* details, std::uint32_t flags)
{
    if (!IsOpen(driver))
        return MMSYSERR_INVALHANDLE;
    if (!details || details->size < sizeof(ACMFORMATTAGDETAILSW))
        return MMSYSERR_INVALPARAM;
    if (flags != ACM_FORMATTAGDETAILSF_INDEX)
        return MMSYSERR_NOTSUPPORTED;
    if (details->formatTagIndex >= driver->id->formatTagCount)
        return ACMERR_NOTPOSSIBLE;
    const std::uint16_t tag = driver->id->formatTags[details->formatTagIndex];
    details->formatTag = tag;
    details->formatSize = tag == WAVE_FORMAT_MPEGLAYER3 ? sizeof(MPEGLAYER3WAVEFORMAT) : sizeof(WAVEFORMATEX);
    details->support = driver->id->support;
    CopyName(details->formatTagName, ACMFORMATTAGDETAILS_FORMATTAG_CHARS,
        tag == WAVE_FORMAT_MPEGLAYER3 ? L"MPEG Layer-3" : L"PCM");
    return MMSYSERR_NOERROR;
}

MMRESULT acmDriverOpen(HACMDRIVER* driver, HACMDRIVERID driverId, std::uint32_t flags)
{
    if (!driver)
        return MMSYSERR_INVALPARAM;
    *driver = nullptr;
    if (!IsKnownDriverId(driverId))
        return MMSYSERR_INVALHANDLE;
    if (flags != 0)
        return MMSYSERR_INVALFLAG;
    *driver = new (std::nothrow) TAcmDriverTag { DriverMagic, driverId };
    return *driver ? MMSYSERR_NOERROR : MMSYSERR_NOMEM;
}

MMRESULT acmDriverClose(HACMDRIVER driver, std::uint32_t flags)
{
    if (!IsOpen(driver))
        return MMSYSERR_INVALHANDLE;
    if (flags != 0)
        return MMSYSERR_INVALFLAG;
    driver->magic = 0;
    delete driver;
    return MMSYSERR_NOERROR;
}

MMRESULT acmDriverAddW(HACMDRIVERID* driverId, HMODULE, DRIVERPROC, std::uint32_t, std::uint32_t)
{
    if (driverId)
        *driverId = nullptr;
    // Foreign codec modules cannot run here.
    return MMSYSERR_NOTSUPPORTED;
}

MMRESULT acmDriverRemove(HACMDRIVERID, std::uint32_t)
{
    // Only added drivers can be removed, and none can be added.
    return MMSYSERR_INVALHANDLE;
}

MMRESULT acmStreamOpen(HACMSTREAM* stream, HACMDRIVER driver, const WAVEFORMATEX* source,
    const WAVEFORMATEX* destination, const void* filter, std::uintptr_t callback, std::uintptr_t instance,
    std::uint32_t flags)
{
    if (!stream)
        return MMSYSERR_INVALPARAM;
    *stream = nullptr;
    if (!source || !destination || filter || callback || instance)
        return MMSYSERR_INVALPARAM;
    if ((flags & ~ACM_STREAMOPENF_NONREALTIME) != 0)
        return MMSYSERR_INVALFLAG;
    if (driver && !IsOpen(driver))
        return MMSYSERR_INVALHANDLE;
    // Without a driver, the first one that can do the conversion takes it.
    MMRESULT result = ACMERR_NOTPOSSIBLE;
    std::unique_ptr<IAcmConverter> converter;
    for (HACMDRIVERID id : { &mpegDecoder, &pcmConverter }) {
        if (driver ? id != driver->id : !IsKnownDriverId(id))
            continue;
        converter = id->open(*source, *destination, result);
        if (converter)
            break;
    }
    if (!converter)
        return result;
    *stream = new (std::nothrow) TAcmStreamTag { StreamMagic, std::move(converter) };
    return *stream ? MMSYSERR_NOERROR : MMSYSERR_NOMEM;
}

MMRESULT acmStreamClose(HACMSTREAM stream, std::uint32_t flags)
{
    if (!IsOpen(stream))
        return MMSYSERR_INVALHANDLE;
    if (flags != 0)
        return MMSYSERR_INVALFLAG;
    stream->magic = 0;
    delete stream;
    return MMSYSERR_NOERROR;
}

MMRESULT acmStreamSize(HACMSTREAM stream, std::uint32_t input, std::uint32_t* output, std::uint32_t flags)
{
    if (!IsOpen(stream))
        return MMSYSERR_INVALHANDLE;
    if (!output)
        return MMSYSERR_INVALPARAM;
    if (flags == ACM_STREAMSIZEF_SOURCE)
        *output = stream->converter->DestinationSize(input);
    else if (flags == ACM_STREAMSIZEF_DESTINATION)
        *output = stream->converter->SourceSize(input);
    else
        return MMSYSERR_INVALFLAG;
    return *output ? MMSYSERR_NOERROR : ACMERR_NOTPOSSIBLE;
}

MMRESULT acmStreamPrepareHeader(HACMSTREAM stream, ACMSTREAMHEADER* header, std::uint32_t flags)
{
    if (!IsOpen(stream))
        return MMSYSERR_INVALHANDLE;
    if (!header || header->size < sizeof(ACMSTREAMHEADER) || (header->sourceLength && !header->source)
        || (header->destinationLength && !header->destination))
        return MMSYSERR_INVALPARAM;
    if (flags != 0)
        return MMSYSERR_INVALFLAG;
    if (header->status & ACMSTREAMHEADER_STATUSF_PREPARED)
        return ACMERR_BUSY;
    header->status = ACMSTREAMHEADER_STATUSF_PREPARED;
    return MMSYSERR_NOERROR;
}

MMRESULT acmStreamUnprepareHeader(HACMSTREAM stream, ACMSTREAMHEADER* header, std::uint32_t flags)
{
    if (!IsOpen(stream))
        return MMSYSERR_INVALHANDLE;
    if (!header || header->size < sizeof(ACMSTREAMHEADER))
        return MMSYSERR_INVALPARAM;
    if (flags != 0)
        return MMSYSERR_INVALFLAG;
    if (!(header->status & ACMSTREAMHEADER_STATUSF_PREPARED))
        return ACMERR_UNPREPARED;
    header->status &= ~ACMSTREAMHEADER_STATUSF_PREPARED;
    return MMSYSERR_NOERROR;
}

MMRESULT acmStreamConvert(HACMSTREAM stream, ACMSTREAMHEADER* header, std::uint32_t flags)
{
    if (!IsOpen(stream))
        return MMSYSERR_INVALHANDLE;
    if (!header || header->size < sizeof(ACMSTREAMHEADER))
        return MMSYSERR_INVALPARAM;
    if ((flags & ~ACM_STREAMCONVERTF_BLOCKALIGN) != 0)
        return MMSYSERR_INVALFLAG;
    if (!(header->status & ACMSTREAMHEADER_STATUSF_PREPARED))
        return ACMERR_UNPREPARED;
    header->status &= ~ACMSTREAMHEADER_STATUSF_DONE;
    header->sourceLengthUsed = 0;
    header->destinationLengthUsed = 0;
    const MMRESULT result
        = stream->converter->Convert(header->source, header->sourceLength, header->destination,
            header->destinationLength, header->sourceLengthUsed, header->destinationLengthUsed);
    header->status |= ACMSTREAMHEADER_STATUSF_DONE;
    return result;
}
