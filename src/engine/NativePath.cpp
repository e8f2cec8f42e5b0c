// The bytes of a wide path as this system's file functions take them.
#include "engine/NativePath.h"

#include "engine/Utf8.h"

#include <wx/strconv.h>

std::string NativePath(const std::wstring& path)
{
    if (path.empty())
        return std::string();
    wxCharBuffer converted = wxConvFileName->cWC2MB(path.c_str());
    if (converted.data() && converted.length() > 0)
        return std::string(converted.data(), converted.length());
    return ToUtf8(path);
}
