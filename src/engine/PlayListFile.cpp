// The M3U playlist of one audiobook's parts, written when its last owner lets go of it.
#include "engine/PlayListFile.h"

#include "engine/NativePath.h"
#include "engine/Utf8.h"

#include <wx/string.h>

#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

// A name with a NUL or a value that is no Unicode scalar value cannot be on disk, so it is not
// worth a guess; any other is encoded as the splitter encodes the part files' names.
bool ToFileSystemPath(const std::wstring& wide, std::string& narrow)
{
    narrow.clear();
    std::string ignored;
    for (std::wstring::value_type c : wide)
        if (c == 0 || !AppendUtf8(ignored, c))
            return false;
    narrow = NativePath(wide);
    return true;
}

// An entry a player reads back as exactly this name: ISO-8859-1 only, nothing that ends or
// splits the line, and no leading '#' (that line would be taken for a comment).
bool IsPlainLine(const std::wstring& entry)
{
    if (!entry.empty() && entry[0] == L'#')
        return false;
    for (std::wstring::value_type c : entry)
        if (static_cast<unsigned long>(c) > 0xFF || static_cast<unsigned long>(c) < 0x20)
            return false;
    return true;
}

// The part's absolute "file://" URL, which is pure ASCII and names the file's exact bytes on
// disk; media players accept such URLs as playlist entries. Empty if the path cannot be formed.
std::string FileUrl(const std::wstring& directory, const std::wstring& entry)
{
    std::string path;
    if (!ToFileSystemPath(directory + entry, path))
        return std::string();
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error)
        return std::string();
    static const char hex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (char ch : absolute.string()) {
        const unsigned char byte = static_cast<unsigned char>(ch);
        const bool unreserved = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z')
            || (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' || byte == '~'
            || byte == '/';
        if (unreserved) {
            url += ch;
        } else {
            url += '%';
            url += hex[byte >> 4];
            url += hex[byte & 0x0F];
        }
    }
    return url;
}

} // namespace

CPlayListFile::CPlayListFile(const std::wstring& directory, const std::wstring& name)
    : directory(directory)
    , name(name)
{
}

CPlayListFile::~CPlayListFile()
{
    // A destructor must not throw; the playlist is never worth ending the program for.
    try {
        Write();
    } catch (...) {
    }
}

void CPlayListFile::AddFile(const wxString& fileName)
{
    files.push_back(fileName);
}

void CPlayListFile::Write()
{
    std::string path;
    if (!ToFileSystemPath(directory + name + L".m3u", path))
        return;
    std::ofstream out(path, std::ios::out | std::ios::binary | std::ios::trunc);
    if (!out.is_open())
        return;
    for (const wxString& file : files) {
        const std::wstring entry = file.ToStdWstring();
        std::string line;
        if (IsPlainLine(entry)) {
            line.reserve(entry.size() + 1);
            for (std::wstring::value_type c : entry)
                line += static_cast<char>(static_cast<unsigned char>(c));
        } else {
            line = FileUrl(directory, entry);
            if (line.empty())
                continue;
        }
        line += '\n';
        out.write(line.data(), static_cast<std::streamsize>(line.size()));
    }
    out.close();
}
