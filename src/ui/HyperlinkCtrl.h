// The program's own clickable web link: a static text that opens its URL in the default browser.
#pragma once

// This control keeps the toolkit's class names but lives in namespace vellomar, so that its
// symbols never collide with (or interpose on) the toolkit's own hyperlink control exported by
// its shared library. The toolkit's hyperlink header must not share a translation unit with it.
#ifdef _WX_HYPERLINK_H_
#error "wx/hyperlink.h and ui/HyperlinkCtrl.h must not be included together"
#endif

#include <wx/colour.h>
#include <wx/cursor.h>
#include <wx/event.h>
#include <wx/stattext.h>

namespace vellomar {

// A link event: a command event that carries the click position in the parent's coordinates.
class wxHyperlinkEvent : public wxCommandEvent {
public:
    // An event of the given type from the window with the given id; the position starts at 0, 0.
    wxHyperlinkEvent(wxEventType commandType = wxEVT_NULL, int id = 0);

    // A copy of the event with its position.
    wxEvent* Clone() const override;

    int x;
    int y;
};

wxDECLARE_EVENT(wxEVT_HYPERLINK_LEFT, wxHyperlinkEvent);
wxDECLARE_EVENT(wxEVT_HYPERLINK_MIDDLE, wxHyperlinkEvent);
wxDECLARE_EVENT(wxEVT_HYPERLINK_RIGHT, wxHyperlinkEvent);

// The command that opens url with the browser command template: every "%1" becomes the quoted
// URL; a template without "%1" is cut down to its program path, which gets the quoted URL.
wxString BuildBrowserCommand(const wxString& commandTemplate, const wxString& url);

// Shows a launch failure in an error box without a parent, when show is true.
void ShowHyperlinkError(const wxString& message, bool show);

class wxHyperlinkCtrl : public wxStaticText {
public:
    // A link showing label; an empty url makes the label the URL. The URL is also the tooltip.
    wxHyperlinkCtrl(wxWindow* parent, wxWindowID id, const wxString& label,
        const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize, long style = 0,
        const wxString& name = wxStaticTextNameStr, const wxString& url = wxEmptyString);
    ~wxHyperlinkCtrl();

    // Stores the colours of the link before a visit, after a visit and under the mouse.
    void SetColours(const wxColour& link, const wxColour& visited, const wxColour& hover);

    // Sets colour and font from the visited state and repaints the control.
    void UpdateLook(bool eraseBackground);

    // Opens url in browser, or in the default browser when browser is empty; true when a browser
    // was started. Failures are shown in a message box when reportErrors is true.
    static bool GotoURL(const wxString& url, const wxString& browser, bool reportErrors, bool useShell);

    // The link's target.
    const wxString& GetURL() const { return url; }
    // True once the link has been clicked.
    bool IsVisited() const { return visited; }

    // The id of the pop-up menu's "Copy" item.
    enum { ID_COPY = 1000 };

private:
    void OnMouseEvent(wxMouseEvent& event);
    void OnPopUpCopy(wxCommandEvent& event);
    void SendLinkEvent(wxEventType type, const wxMouseEvent& mouse);

    wxString url;
    wxString browser;
    wxColour linkColour;
    wxColour visitedColour;
    wxColour hoverColour;
    bool underlineLink;
    bool underlineHover;
    bool underlineVisited;
    bool hoverEffects;
    bool visited;
    bool bold;
    wxCursor handCursor;
    bool reportErrors;
    bool openOnLeftClick;
    bool popUpMenu;
    bool useShell;

    wxDECLARE_EVENT_TABLE();
};

} // namespace vellomar
