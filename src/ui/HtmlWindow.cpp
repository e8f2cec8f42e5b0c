// An HTML view that hands web links to the browser and follows every other link itself.
#include "ui/HtmlWindow.h"

#include <wx/colour.h>
#include <wx/utils.h>

namespace {

CHtmlWindow::TBrowserLauncher& Launcher()
{
    static CHtmlWindow::TBrowserLauncher launcher;
    return launcher;
}

wxString ByteToHex(unsigned char value)
{
    return wxString::Format(value < 16 ? wxS("0%X") : wxS("%X"), value);
}

} // namespace

wxString ColourToHtml(const wxColour& colour)
{
    return ByteToHex(colour.Red()) + ByteToHex(colour.Green()) + ByteToHex(colour.Blue());
}

CHtmlWindow::CHtmlWindow(
    wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style, const wxString& name)
    : wxHtmlWindow(parent, id, pos, size, style, name)
{
}

CHtmlWindow::~CHtmlWindow() = default;

void CHtmlWindow::OnLinkClicked(const wxHtmlLinkInfo& link)
{
    const wxString href = link.GetHref();
    if (href.StartsWith(wxS("http://"))) {
        if (Launcher())
            Launcher()(href);
        else
            wxLaunchDefaultBrowser(href);
        return;
    }
    wxHtmlWindow::OnLinkClicked(link);
}

void CHtmlWindow::SetBrowserLauncher(const TBrowserLauncher& launcher)
{
    Launcher() = launcher;
}
