// Stand-in for the registry's "open" command of http links: the desktop's default opener.
#include "platform/gui/DefaultBrowser.h"

#include <wx/filefn.h>
#include <wx/utils.h>

namespace platform {

namespace {

wxString& StoredCommand()
{
    static wxString command;
    return command;
}

} // namespace

wxString DefaultBrowserCommand()
{
    if (!StoredCommand().empty())
        return StoredCommand();
    wxPathList path;
    path.AddEnvList(wxS("PATH"));
    const wxString opener = path.FindAbsoluteValidPath(wxS("xdg-open"));
    if (opener.empty())
        return wxString();
    // The usual shape of such a command: the quoted program, then the link.
    return wxS("\"") + opener + wxS("\" %1");
}

void SetDefaultBrowserCommand(const wxString& commandTemplate)
{
    StoredCommand() = commandTemplate;
}

} // namespace platform
