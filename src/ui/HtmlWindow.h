// An HTML view that hands web links to the browser and follows every other link itself.
#pragma once

#include <boost/function.hpp>
#include <wx/html/htmlwin.h>

// Six upper-case hexadecimal digits, red, green, blue, without a leading "#" (FF0800).
wxString ColourToHtml(const wxColour& colour);

class CHtmlWindow : public wxHtmlWindow {
public:
    // Opens a web link; true when a browser was started.
    typedef boost::function<bool(const wxString& url)> TBrowserLauncher;

    // The arguments of wxHtmlWindow, passed on unchanged.
    CHtmlWindow(wxWindow* parent, wxWindowID id = wxID_ANY, const wxPoint& pos = wxDefaultPosition,
        const wxSize& size = wxDefaultSize, long style = wxHW_DEFAULT_STYLE,
        const wxString& name = wxS("htmlWindow"));
    ~CHtmlWindow() override;

    // Links starting with "http://" go to the browser; every other link is loaded in the window.
    void OnLinkClicked(const wxHtmlLinkInfo& link) override;

    // Replaces the browser launcher of every HTML window (the default is wxLaunchDefaultBrowser);
    // an empty function restores the default. For tests, which must not start a browser.
    static void SetBrowserLauncher(const TBrowserLauncher& launcher);
};
