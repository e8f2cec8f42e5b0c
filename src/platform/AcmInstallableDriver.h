// Installable-driver calls of our audio manager: codec modules loaded from driver files.
#pragma once

#include "platform/Acm.h"

// Opens a driver file; null when it cannot be loaded. This manager hosts only its built-in drivers
// and loads no codec files, so every file name yields null.
HDRVR OpenDriver(const wchar_t* fileName, const wchar_t* sectionName, long param);
// Module behind an open driver; null for an invalid handle.
HMODULE GetDriverModuleHandle(HDRVR driver);
// An exported entry point of a module by name; null when there is none.
DRIVERPROC GetProcAddress(HMODULE module, const char* name);
// Closes a driver opened by OpenDriver; 0 when the handle is invalid, else non-zero.
long CloseDriver(HDRVR driver, long param1, long param2);
