// Stand-in for the registry's "open" command of http links: the desktop's default opener.
#pragma once

#include <wx/string.h>

namespace platform {

// The command template that opens a web link, "%1" standing for the link: the stored command if
// one was set, else the desktop's opener (xdg-open) found on the search path, else empty.
wxString DefaultBrowserCommand();

// Stores the command template that DefaultBrowserCommand gives from now on; an empty text
// restores the desktop's opener. Lets tests point the link at a harmless command.
void SetDefaultBrowserCommand(const wxString& commandTemplate);

} // namespace platform
