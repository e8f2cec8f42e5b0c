// Stand-in for the Windows bitmap and icon resources: pictures found by name in the resource folder.
#pragma once

#include <wx/arrstr.h>
#include <wx/bitmap.h>
#include <wx/icon.h>
#include <wx/string.h>

namespace platform {

// The folders searched for resources, in order: beside the program (../share/vellomar/res), the
// source tree's res/ (programs run from the build directory), the install prefix.
wxArrayString ResourceDirectories();

// Full path of the resource file whose name without extension equals name, ignoring case
// (.png, .xpm, .bmp or .ico); empty when there is none.
wxString FindResourceFile(const wxString& name);

// The bitmap resource of that name, or an invalid bitmap when it is missing or unreadable.
wxBitmap LoadBitmapResource(const wxString& name);

// The icon resource of that name, or an invalid icon when it is missing or unreadable.
wxIcon LoadIconResource(const wxString& name);

} // namespace platform
