// The program's log: three levels to the debugger output and the log store, and a silent trace.
#include "engine/Log.h"

#include "engine/LogStore.h"
#include "platform/DebugOutput.h"

#include <boost/format.hpp>

namespace {

// The message goes in as a NUL-terminated text, so an embedded NUL ends it.
std::wstring FormatLine(const wchar_t* format, const std::wstring& message)
{
    return (boost::wformat(format) % message.c_str()).str();
}

std::string FormatLineA(const char* format, const std::string& message)
{
    return (boost::format(format) % message.c_str()).str();
}

void EmitW(const std::wstring& line)
{
    OutputDebugStringW(line);
    LogAppend(line);
}

} // namespace

void LogError(const std::wstring& message)
{
    EmitW(FormatLine(L"ERROR: %s\n", message));
}
void LogWarn(const std::wstring& message)
{
    EmitW(FormatLine(L"WARN: %s\n", message));
}
void LogInfo(const std::wstring& message)
{
    EmitW(FormatLine(L"INFO: %s\n", message));
}

void LogErrorA(const std::string& message)
{
    LogWriteA(FormatLineA("ERROR: %s\n", message));
}
void LogWarnA(const std::string& message)
{
    LogWriteA(FormatLineA("WARN: %s\n", message));
}
void LogInfoA(const std::string& message)
{
    LogWriteA(FormatLineA("INFO: %s\n", message));
}

void LogWriteA(const std::string& line)
{
    OutputDebugStringA(line);
    std::wstring wide;
    wide.reserve(line.size());
    for (char c : line)
        wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
    LogAppend(wide);
}

void LogWriteW(const std::wstring& line)
{
    EmitW(line);
}

void LogAppend(const std::wstring& line)
{
    LogStore::Instance().Append(line);
}

void LogTrim()
{
    LogStore::Instance().Trim();
}

void Trace(const std::wstring&) { }

void TraceA(const std::string&) { }
