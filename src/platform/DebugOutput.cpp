// Stand-in for the platform's debugger output: log lines go to standard error when asked for.
#include "platform/DebugOutput.h"

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
    // Written as UTF-8 by hand: stderr's orientation must stay narrow for OutputDebugStringA.
    std::string utf8;
    utf8.reserve(line.size());
    for (wchar_t wc : line) {
        auto c = static_cast<unsigned long>(wc);
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else if (c < 0x800) {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            utf8 += static_cast<char>(0xE0 | (c >> 12));
            utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            utf8 += static_cast<char>(0xF0 | ((c >> 18) & 0x07));
            utf8 += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
}

void OutputDebugStringA(const std::string& line)
{
    if (!DebugOutputEnabled())
        return;
    std::lock_guard<std::mutex> lock(OutputMutex());
    std::fwrite(line.data(), 1, line.size(), stderr);
}
