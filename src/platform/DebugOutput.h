// Stand-in for the platform's debugger output: log lines go to standard error when asked for.
#pragma once

#include <string>

// Lines are written only while the environment variable VELLOMAR_DEBUG_OUTPUT is set (checked once),
// so that, as with a debugger that is not attached, an ordinary run costs next to nothing.
void OutputDebugStringW(const std::wstring& line);
void OutputDebugStringA(const std::string& line);
