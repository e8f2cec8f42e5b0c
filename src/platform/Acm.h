// Our own small Audio Compression Manager: driver enumeration and format conversion streams.
#pragma once

#include <cstdint>

// Results: 0 is success, everything else an error code that callers log as a number.
typedef std::uint32_t MMRESULT;
const MMRESULT MMSYSERR_NOERROR = 0;
const MMRESULT MMSYSERR_ERROR = 1;
const MMRESULT MMSYSERR_INVALHANDLE = 5;
const MMRESULT MMSYSERR_NOMEM = 7;
const MMRESULT MMSYSERR_NOTSUPPORTED = 8;
const MMRESULT MMSYSERR_INVALFLAG = 10;
const MMRESULT MMSYSERR_INVALPARAM = 11;
const MMRESULT ACMERR_NOTPOSSIBLE = 512;
const MMRESULT ACMERR_BUSY = 513;
const MMRESULT ACMERR_UNPREPARED = 514;

// Opaque handles; null means "none".
typedef struct TAcmDriverIdTag* HACMDRIVERID;
typedef struct TAcmDriverTag* HACMDRIVER;
typedef struct TAcmStreamTag* HACMSTREAM;
typedef struct TInstallableDriverTag* HDRVR;
typedef struct TModuleTag* HMODULE;

// Driver entry point of a codec module, as handed to acmDriverAddW.
typedef long (*DRIVERPROC)(std::uintptr_t driverId, HDRVR driver, unsigned message, long param1, long param2);

// Format tags.
const std::uint16_t WAVE_FORMAT_PCM = 1;
const std::uint16_t WAVE_FORMAT_MPEGLAYER3 = 0x55;

// Generic wave format description.
struct WAVEFORMATEX {
    std::uint16_t formatTag;
    std::uint16_t channels;
    std::uint32_t samplesPerSec;
    std::uint32_t avgBytesPerSec;
    std::uint16_t blockAlign;
    std::uint16_t bitsPerSample;
    std::uint16_t extraSize; // bytes of format-specific data that follow this part
};

const std::uint16_t MPEGLAYER3_WFX_EXTRA_BYTES = 12;
const std::uint16_t MPEGLAYER3_ID_MPEG = 1;
const std::uint32_t MPEGLAYER3_FLAG_PADDING_ISO = 0;
const std::uint32_t MPEGLAYER3_FLAG_PADDING_ON = 1;
const std::uint32_t MPEGLAYER3_FLAG_PADDING_OFF = 2;

// MPEG audio source format: the generic part followed by 12 bytes of MP3 details.
struct MPEGLAYER3WAVEFORMAT {
    WAVEFORMATEX wfx;
    std::uint16_t id;
    std::uint32_t flags;
    std::uint16_t blockSize;
    std::uint16_t framesPerBlock;
    std::uint16_t codecDelay;
};

// One conversion: the caller's source and destination buffers and what the converter used of them.
struct ACMSTREAMHEADER {
    std::uint32_t size; // sizeof(ACMSTREAMHEADER)
    std::uint32_t status; // ACMSTREAMHEADER_STATUSF_* set by the manager
    const unsigned char* source;
    std::uint32_t sourceLength;
    std::uint32_t sourceLengthUsed;
    unsigned char* destination;
    std::uint32_t destinationLength;
    std::uint32_t destinationLengthUsed;
};
const std::uint32_t ACMSTREAMHEADER_STATUSF_DONE = 0x00010000;
const std::uint32_t ACMSTREAMHEADER_STATUSF_PREPARED = 0x00020000;

const unsigned ACMDRIVERDETAILS_SHORTNAME_CHARS = 32;
const unsigned ACMDRIVERDETAILS_LONGNAME_CHARS = 128;
const std::uint32_t ACMDRIVERDETAILS_SUPPORTF_CODEC = 0x00000001;
const std::uint32_t ACMDRIVERDETAILS_SUPPORTF_CONVERTER = 0x00000002;
const std::uint32_t ACMDRIVERDETAILS_SUPPORTF_LOCAL = 0x40000000;

struct ACMDRIVERDETAILSW {
    std::uint32_t size; // set by the caller
    std::uint32_t support; // ACMDRIVERDETAILS_SUPPORTF_*
    std::uint32_t formatTags; // count of format tags the driver knows
    wchar_t shortName[ACMDRIVERDETAILS_SHORTNAME_CHARS];
    wchar_t longName[ACMDRIVERDETAILS_LONGNAME_CHARS];
};

const unsigned ACMFORMATTAGDETAILS_FORMATTAG_CHARS = 48;
const std::uint32_t ACM_FORMATTAGDETAILSF_INDEX = 0;

struct ACMFORMATTAGDETAILSW {
    std::uint32_t size; // set by the caller
    std::uint32_t formatTagIndex; // set by the caller for ACM_FORMATTAGDETAILSF_INDEX
    std::uint32_t formatTag;
    std::uint32_t formatSize; // largest format structure of this tag
    std::uint32_t support;
    wchar_t formatTagName[ACMFORMATTAGDETAILS_FORMATTAG_CHARS];
};

const std::uint32_t ACM_DRIVERADDF_FUNCTION = 3;
const std::uint32_t ACM_STREAMOPENF_NONREALTIME = 0x00000004;
const std::uint32_t ACM_STREAMSIZEF_SOURCE = 0;
const std::uint32_t ACM_STREAMSIZEF_DESTINATION = 1;
const std::uint32_t ACM_STREAMCONVERTF_BLOCKALIGN = 0x00000004;

// Called once per driver; return false to stop the enumeration.
typedef bool (*ACMDRIVERENUMCB)(HACMDRIVERID driverId, std::uintptr_t instance, std::uint32_t support);

MMRESULT acmDriverEnum(ACMDRIVERENUMCB callback, std::uintptr_t instance, std::uint32_t flags);
MMRESULT acmDriverDetailsW(HACMDRIVERID driverId, ACMDRIVERDETAILSW* details, std::uint32_t flags);
MMRESULT acmFormatTagDetailsW(HACMDRIVER driver, ACMFORMATTAGDETAILSW* details, std::uint32_t flags);
MMRESULT acmDriverOpen(HACMDRIVER* driver, HACMDRIVERID driverId, std::uint32_t flags);
MMRESULT acmDriverClose(HACMDRIVER driver, std::uint32_t flags);
// Adds a codec that lives in a loaded module; our manager accepts none and says so.
MMRESULT acmDriverAddW(
    HACMDRIVERID* driverId, HMODULE module, DRIVERPROC proc, std::uint32_t priority, std::uint32_t flags);
MMRESULT acmDriverRemove(HACMDRIVERID driverId, std::uint32_t flags);

// Opens a conversion from source to destination format on an open driver. The filter, callback and
// its instance are not supported and must be null/0.
MMRESULT acmStreamOpen(HACMSTREAM* stream, HACMDRIVER driver, const WAVEFORMATEX* source,
    const WAVEFORMATEX* destination, const void* filter, std::uintptr_t callback, std::uintptr_t instance,
    std::uint32_t flags);
MMRESULT acmStreamClose(HACMSTREAM stream, std::uint32_t flags);
// Largest destination size for a source size (ACM_STREAMSIZEF_SOURCE), or the other way round.
MMRESULT acmStreamSize(HACMSTREAM stream, std::uint32_t input, std::uint32_t* output, std::uint32_t flags);
MMRESULT acmStreamPrepareHeader(HACMSTREAM stream, ACMSTREAMHEADER* header, std::uint32_t flags);
MMRESULT acmStreamUnprepareHeader(HACMSTREAM stream, ACMSTREAMHEADER* header, std::uint32_t flags);
MMRESULT acmStreamConvert(HACMSTREAM stream, ACMSTREAMHEADER* header, std::uint32_t flags);

// For tests: leave the built-in MPEG audio decoder out of the enumeration, as on a system that has no
// MP3 decoder installed. Returns the previous setting.
bool AcmHideMpegDecoder(bool hide);
