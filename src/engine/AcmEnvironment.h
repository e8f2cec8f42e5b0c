// Finds the audio manager's MP3 decoder and PCM converter, after trying to add a local MP3 codec.
#pragma once

#include "platform/Acm.h"
#include "platform/AcmInstallableDriver.h"

#include <boost/noncopyable.hpp>
#include <string>

class CAcmEnvironment : private boost::noncopyable {
public:
    // Tries the local codec files, then examines every installed driver. Never fails; what is
    // missing shows in the accessors.
    CAcmEnvironment();
    // Removes and closes a local codec added by the constructor.
    ~CAcmEnvironment();

    // A PCM converter is installed.
    bool HasPcmConverter() const { return pcmConverterFound; }
    // The Fraunhofer MP3 decoder, null if none.
    HACMDRIVERID FraunhoferDecoder() const { return fraunhoferDecoder; }
    // The last other MP3 decoder met, null if none.
    HACMDRIVERID OtherDecoder() const { return otherDecoder; }

    // Adds the codec driver in fileName as a local driver; false (and nothing held) on failure.
    bool AddLocalDriver(const wchar_t* fileName);
    // Enumeration callback; instance is the environment. Records MP3 decoders and the PCM converter.
    static bool OnDriverEnum(HACMDRIVERID driverId, std::uintptr_t instance, std::uint32_t support);
    // Opens a driver and looks through its format tags; false if its details or the driver are unusable.
    static bool ExamineDriver(HACMDRIVERID driverId, std::uint32_t support, bool& isMp3Decoder,
        bool& isFraunhofer, bool& isPcmConverter, std::wstring& longName);

private:
    bool pcmConverterFound;
    HACMDRIVERID fraunhoferDecoder;
    HACMDRIVERID otherDecoder;
    HDRVR localDriver;
    HACMDRIVERID localDriverId;
};
