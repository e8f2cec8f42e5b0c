// Finds the audio manager's MP3 decoder and PCM converter, after trying to add a local MP3 codec.
#include "engine/AcmEnvironment.h"

#include "engine/Log.h"

#include <boost/format.hpp>
#include <cstring>

namespace {

bool BeginsWith(const std::wstring& text, const wchar_t* prefix)
{
    return text.compare(0, std::wcslen(prefix), prefix) == 0;
}

} // namespace

CAcmEnvironment::CAcmEnvironment()
    : pcmConverterFound(false)
    , fraunhoferDecoder(nullptr)
    , otherDecoder(nullptr)
    , localDriver(nullptr)
    , localDriverId(nullptr)
{
    Trace(L"ACM environment: Try to add local Fraunhofer MP3 codec");
    for (const wchar_t* file : { L"l3codecp.acm", L"l3codeca.acm", L"l3codecx.acm" }) {
        if (AddLocalDriver(file)) {
            LogInfo(boost::str(boost::wformat(L"ACM environment: Installed %s") % file));
            break;
        }
    }

    Trace(L"ACM environment: Analyze codecs");
    pcmConverterFound = false;
    fraunhoferDecoder = nullptr;
    otherDecoder = nullptr;
    const MMRESULT result
        = acmDriverEnum(&CAcmEnvironment::OnDriverEnum, reinterpret_cast<std::uintptr_t>(this), 0);
    if (result != MMSYSERR_NOERROR)
        LogError(boost::str(boost::wformat(L"Error enumerating ACM drivers (ACMERR=%d)") % result));
}

CAcmEnvironment::~CAcmEnvironment()
{
    if (localDriverId) {
        const MMRESULT result = acmDriverRemove(localDriverId, 0);
        if (result != MMSYSERR_NOERROR)
            LogWarn(boost::str(boost::wformat(L"Error removing local ACM driver (ACMERR=%d)") % result));
    }
    if (localDriver) {
        if (CloseDriver(localDriver, 0, 0))
            LogInfo(L"ACM environment: Removed local MP3 codec");
        else
            LogWarn(L"Error closing local ACM driver");
    }
}

bool CAcmEnvironment::AddLocalDriver(const wchar_t* fileName)
{
    HDRVR driver = OpenDriver(fileName, nullptr, 0);
    if (!driver) {
        LogInfo(boost::str(boost::wformat(L"Could not open driver %s") % fileName));
        return false;
    }
    HMODULE module = GetDriverModuleHandle(driver);
    if (!module) {
        LogError(L"Error getting module handle");
    } else {
        DRIVERPROC proc = GetProcAddress(module, "DriverProc");
        if (!proc) {
            LogError(L"Error getting DriverProc");
        } else {
            HACMDRIVERID id = nullptr;
            const MMRESULT result = acmDriverAddW(&id, module, proc, 0, ACM_DRIVERADDF_FUNCTION);
            if (result == MMSYSERR_NOERROR) {
                LogInfo(boost::str(boost::wformat(L"Added ACM driver %s") % fileName));
                localDriver = driver;
                localDriverId = id;
                return true;
            }
            LogError(boost::str(boost::wformat(L"Error adding ACM driver (ACMERR=%d)") % result));
        }
    }
    if (!CloseDriver(driver, 0, 0))
        LogWarn(L"Error closing driver");
    localDriver = nullptr;
    localDriverId = nullptr;
    return false;
}

bool CAcmEnvironment::OnDriverEnum(HACMDRIVERID driverId, std::uintptr_t instance, std::uint32_t support)
{
    CAcmEnvironment* environment = reinterpret_cast<CAcmEnvironment*>(instance);
    if (!environment) {
        LogWarn(L"ACM status pointer is not set");
        return false;
    }
    bool isMp3Decoder = false;
    bool isFraunhofer = false;
    bool isPcmConverter = false;
    std::wstring longName;
    if (!ExamineDriver(driverId, support, isMp3Decoder, isFraunhofer, isPcmConverter, longName)) {
        LogWarn(L"MP3 codec and PCM converter dump failed");
        return true;
    }
    if (isMp3Decoder) {
        if (isFraunhofer) {
            if (!environment->fraunhoferDecoder) {
                LogInfo(L"Fraunhofer MP3 decoder found");
                environment->fraunhoferDecoder = driverId;
            } else {
                LogInfo(L"Fraunhofer MP3 decoder found (will be ignored)");
            }
        } else {
            environment->otherDecoder = driverId;
            LogInfo(L"MP3 decoder found");
        }
    }
    if (isPcmConverter) {
        environment->pcmConverterFound = true;
        Trace(L"PCM converter found");
    }
    return true;
}

bool CAcmEnvironment::ExamineDriver(HACMDRIVERID driverId, std::uint32_t support, bool& isMp3Decoder,
    bool& isFraunhofer, bool& isPcmConverter, std::wstring& longName)
{
    isMp3Decoder = isFraunhofer = isPcmConverter = false;
    const bool converter = (support & ACMDRIVERDETAILS_SUPPORTF_CONVERTER) != 0;
    const bool codec = !converter && (support & ACMDRIVERDETAILS_SUPPORTF_CODEC) != 0;
    if (!converter && !codec)
        return true;

    ACMDRIVERDETAILSW details;
    std::memset(&details, 0, sizeof(details));
    details.size = sizeof(details);
    MMRESULT result = acmDriverDetailsW(driverId, &details, 0);
    details.longName[ACMDRIVERDETAILS_LONGNAME_CHARS - 1] = L'\0';
    longName = details.longName;
    if (result != MMSYSERR_NOERROR) {
        LogWarn(boost::str(
            boost::wformat(L"Error obtaining ACM driver details of %s (ACMERR=%d)") % longName % result));
        return false;
    }
    HACMDRIVER driver = nullptr;
    result = acmDriverOpen(&driver, driverId, 0);
    if (result != MMSYSERR_NOERROR) {
        LogError(boost::str(boost::wformat(L"Error opening ACM driver (ACMERR=%d)") % result));
        return false;
    }
    Trace(boost::str(boost::wformat(codec ? L"ACM codec:         %s" : L"ACM converter:     %s") % longName));
    for (std::uint32_t index = 0; index < details.formatTags; ++index) {
        ACMFORMATTAGDETAILSW tag;
        std::memset(&tag, 0, sizeof(tag));
        tag.size = sizeof(tag);
        tag.formatTagIndex = index;
        if (acmFormatTagDetailsW(driver, &tag, ACM_FORMATTAGDETAILSF_INDEX) != MMSYSERR_NOERROR)
            continue;
        if (codec && tag.formatTag == WAVE_FORMAT_MPEGLAYER3) {
            if (BeginsWith(longName, L"LAME")) {
                LogInfo(L"MP3 codec: Lame encoder found and ignored (is not a decoder)");
                isMp3Decoder = false;
            } else {
                isMp3Decoder = true;
                isFraunhofer = BeginsWith(longName, L"Fraunhofer");
                LogInfo(boost::str(boost::wformat(L"MP3 codec: %s") % longName));
            }
        } else if (converter && tag.formatTag == WAVE_FORMAT_PCM) {
            isPcmConverter = true;
            LogInfo(boost::str(boost::wformat(L"PCM converter: %s") % longName));
        }
    }
    result = acmDriverClose(driver, 0);
    if (result != MMSYSERR_NOERROR)
        LogWarn(boost::str(boost::wformat(L"Error closing ACM driver (ACMERR=%d)") % result));
    return true;
}
