// The error report's log file: encoding, writing with every error noticed, and the default name.
#include "ui/ErrorLogFile.h"

#include <cstdio>
#include <wx/crt.h>
#include <wx/datetime.h>
#include <wx/filefn.h>
#include <wx/string.h>

namespace {

void PutUnit(std::string& out, unsigned unit)
{
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>((unit >> 8) & 0xFF);
}

void PutCharacter(std::string& out, wchar_t c)
{
    const unsigned long code = static_cast<unsigned long>(c);
    if (code >= 0x10000 && code <= 0x10FFFF) {
        const unsigned long v = code - 0x10000;
        PutUnit(out, 0xD800 + (v >> 10));
        PutUnit(out, 0xDC00 + (v & 0x3FF));
    } else if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        // Not a character; a replacement keeps the file valid UTF-16.
        PutUnit(out, 0xFFFD);
    } else {
        PutUnit(out, static_cast<unsigned>(code));
    }
}

} // namespace

std::string CErrorLogFile::Encode(const std::vector<std::wstring>& lines)
{
    std::string out("\xFF\xFE", 2);
    for (const std::wstring& line : lines) {
        if (line.size() <= 1)
            continue;
        for (std::size_t i = 0; i + 1 < line.size(); ++i)
            PutCharacter(out, line[i]);
        PutUnit(out, 0x0D);
        PutUnit(out, 0x0A);
    }
    return out;
}

CErrorLogFile::EResult CErrorLogFile::Write(const wxString& path, const std::vector<std::wstring>& lines)
{
    const std::string bytes = Encode(lines);
    FILE* file = wxFopen(path, "wb");
    if (!file)
        return EOpenFailed;
    bool whole = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    whole = std::fflush(file) == 0 && whole;
    whole = std::fclose(file) == 0 && whole;
    return whole ? EWritten : EWriteFailed;
}

wxString CErrorLogFile::DefaultName(const wxDateTime& when)
{
    return when.Format("Vellomar_%y%m%d%H%M%S.log");
}
