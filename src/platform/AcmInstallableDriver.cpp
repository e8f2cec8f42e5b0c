// Installable-driver calls: no foreign codec modules can be hosted, so these fail cleanly.
#include "platform/AcmInstallableDriver.h"

HDRVR OpenDriver(const wchar_t*, const wchar_t*, long)
{
    return nullptr;
}

HMODULE GetDriverModuleHandle(HDRVR)
{
    return nullptr;
}

DRIVERPROC GetProcAddress(HMODULE, const char*)
{
    return nullptr;
}

long CloseDriver(HDRVR, long, long)
{
    return 0;
}
