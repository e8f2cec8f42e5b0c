// Stand-in for the platform's debugger output: log lines go to standard error when asked for.
#include "platform/DebugOutput.h"

#include "engine/Utf8.h"

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <mutex>

namespace {

bool DebugOutputEnabled()
{
    static const bool enabled = std::getenv("VELLOMAR_DEBUG_OUTPUT") != nullptr;
    return enabled;
}

std::mutex& OutputMutex()
{
    static std::mutex mutex;
    return mutex;
}

} // namespace

void OutputDebugStringW(const std::wstring& line)
{
    if (!DebugOutputEnabled())
        return;
    std::lock_guard<std::mutex> lock(OutputMutex());
    // Written as UTF-8 bytes: stderr's orientation must stay narrow for OutputDebugStringA.
    const std::string utf8 = ToUtf8(line);
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
}

void OutputDebugStringA(const std::string& line)
{
    if (!DebugOutputEnabled())
        return;
    std::lock_guard<std::mutex> lock(OutputMutex());
    std::fwrite(line.data(), 1, line.size(), stderr);
}
