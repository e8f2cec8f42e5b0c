// The error report's log file: the log store's lines as UTF-16LE text with a byte order mark.
#pragma once

#include <string>
#include <vector>

class wxDateTime;
class wxString;

class CErrorLogFile {
public:
    // Outcome of Write.
    enum EResult { EWritten = 0, EOpenFailed = 1, EWriteFailed = 2 };

    // The file's bytes: FF FE, then each line without its last character (its line feed) in
    // UTF-16LE followed by CR LF; lines of 0 or 1 characters are left out.
    static std::string Encode(const std::vector<std::wstring>& lines);

    // Writes Encode(lines) to path, replacing its content. EWriteFailed when the file could not be
    // written whole (a full disk, say): the caller must then keep its lines.
    static EResult Write(const wxString& path, const std::vector<std::wstring>& lines);

    // "Vellomar_%y%m%d%H%M%S.log" for the given local time.
    static wxString DefaultName(const wxDateTime& when);
};
