// The program's log: three levels to the debugger output and the log store, and a silent trace.
#pragma once

#include <string>

// Level lines: "ERROR: %s\n", "WARN: %s\n", "INFO: %s\n" with the message inserted verbatim.
void LogError(const std::wstring& message);
void LogWarn(const std::wstring& message);
void LogInfo(const std::wstring& message);

// Narrow variants for plain ASCII texts; the line is widened one character at a time.
void LogErrorA(const std::string& message);
void LogWarnA(const std::string& message);
void LogInfoA(const std::string& message);

// Emit a finished line: debugger output first, then the store.
void LogWriteA(const std::string& line);
void LogWriteW(const std::wstring& line);

// Append a finished line to the store and trim it; LogTrim is the trim alone.
void LogAppend(const std::wstring& line);
void LogTrim();

// Debug level: writes nothing anywhere.
void Trace(const std::wstring& message);
// A second debug hook that nothing calls.
void TraceA(const std::string& message);
