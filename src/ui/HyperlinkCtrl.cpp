// The program's own clickable web link: a static text that opens its URL in the default browser.
#include "ui/HyperlinkCtrl.h"

#include "platform/gui/DefaultBrowser.h"

#include <wx/clipbrd.h>
#include <wx/cmdline.h>
#include <wx/dataobj.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>

namespace vellomar {

wxDEFINE_EVENT(wxEVT_HYPERLINK_LEFT, wxHyperlinkEvent);
wxDEFINE_EVENT(wxEVT_HYPERLINK_MIDDLE, wxHyperlinkEvent);
wxDEFINE_EVENT(wxEVT_HYPERLINK_RIGHT, wxHyperlinkEvent);

wxHyperlinkEvent::wxHyperlinkEvent(wxEventType commandType, int id)
    : wxCommandEvent(commandType, id)
    , x(0)
    , y(0)
{
}

wxEvent* wxHyperlinkEvent::Clone() const
{
    return new wxHyperlinkEvent(*this);
}

namespace {

// An asynchronous start on this platform reports success even when the program does not exist
// (the failure happens after the fork), so the program is looked up before it is started.
bool IsStartable(const wxString& command)
{
    const wxArrayString args = wxCmdLineParser::ConvertStringToArgs(command, wxCMD_LINE_SPLIT_UNIX);
    if (args.empty() || args[0].empty())
        return false;
    const wxString& program = args[0];
    if (program.find(wxFILE_SEP_PATH) != wxString::npos)
        return wxFileName::IsFileExecutable(program) && !wxDirExists(program);
    wxPathList path;
    path.AddEnvList(wxS("PATH"));
    for (const wxString& dir : path) {
        const wxFileName candidate(dir, program);
        if (candidate.IsFileExecutable() && !wxDirExists(candidate.GetFullPath()))
            return true;
    }
    return false;
}

bool Start(const wxString& command)
{
    return IsStartable(command) && wxExecute(command, wxEXEC_ASYNC) != 0;
}

} // namespace

wxString BuildBrowserCommand(const wxString& commandTemplate, const wxString& url)
{
    const wxString quotedUrl = wxS("\"") + url + wxS("\"");
    if (commandTemplate.find(wxS("%1")) != wxString::npos) {
        wxString command = commandTemplate;
        command.Replace(wxS("%1"), quotedUrl);
        return command;
    }
    wxString program = commandTemplate;
    program.Trim(false);
    if (program.StartsWith(wxS("\""))) {
        program.erase(0, 1);
        const size_t quote = program.find(wxS('"'));
        if (quote != wxString::npos && quote > 0)
            program.erase(quote);
    } else {
        const size_t blank = program.find(wxS(' '));
        if (blank != wxString::npos && blank > 0)
            program.erase(blank);
    }
    return wxString::Format(wxS("\"%s\" \"%s\""), program, url);
}

void ShowHyperlinkError(const wxString& message, bool show)
{
    if (show)
        wxMessageBox(message, wxS("Hyperlink Error"), wxOK | wxICON_ERROR | wxCENTRE, nullptr);
}

// clang-format off
wxBEGIN_EVENT_TABLE(wxHyperlinkCtrl, wxStaticText)
    EVT_MOUSE_EVENTS(wxHyperlinkCtrl::OnMouseEvent)
    EVT_MOTION(wxHyperlinkCtrl::OnMouseEvent)
    EVT_MENU(wxHyperlinkCtrl::ID_COPY, wxHyperlinkCtrl::OnPopUpCopy)
wxEND_EVENT_TABLE()
    // clang-format on

    wxHyperlinkCtrl::wxHyperlinkCtrl(wxWindow* parent, wxWindowID id, const wxString& label,
        const wxPoint& pos, const wxSize& size, long style, const wxString& name, const wxString& url)
    : wxStaticText(parent, id, label, pos, size, style | wxPOPUP_WINDOW, name)
    , url(url.empty() ? label : url)
    , underlineLink(true)
    , underlineHover(true)
    , underlineVisited(true)
    , hoverEffects(false)
    , visited(false)
    , bold(false)
    , handCursor(wxCURSOR_HAND)
    , reportErrors(true)
    , openOnLeftClick(true)
    , popUpMenu(true)
    , useShell(false)
{
    SetToolTip(this->url);
    SetColours(wxColour(wxS("BLUE")), wxColour(wxS("VIOLET")), wxColour(wxS("BLUE")));
    SetCursor(handCursor);
    UpdateLook(true);
}

wxHyperlinkCtrl::~wxHyperlinkCtrl() = default;

void wxHyperlinkCtrl::SetColours(const wxColour& link, const wxColour& visitedLink, const wxColour& hover)
{
    linkColour = link;
    visitedColour = visitedLink;
    hoverColour = hover;
}

void wxHyperlinkCtrl::UpdateLook(bool eraseBackground)
{
    wxFont font = GetFont();
    if (visited) {
        SetForegroundColour(visitedColour);
        font.SetUnderlined(underlineVisited);
    } else {
        SetForegroundColour(linkColour);
        font.SetUnderlined(underlineLink);
    }
    if (bold)
        font.SetWeight(wxFONTWEIGHT_BOLD);
    SetFont(font);
    Refresh(eraseBackground);
}

bool wxHyperlinkCtrl::GotoURL(const wxString& url, const wxString& browser, bool reportErrors, bool useShell)
{
    wxLogNull noLog;

    if (!browser.empty()) {
        if (Start(wxString::Format(wxS("\"%s\" \"%s\""), browser, url)))
            return true;
        ShowHyperlinkError(wxS("Unable to launch specified browser."), reportErrors);
        return false;
    }
    if (useShell && wxLaunchDefaultBrowser(url))
        return true;

    if (Start(BuildBrowserCommand(platform::DefaultBrowserCommand(), url)))
        return true;
    ShowHyperlinkError(wxS("Unable to launch default browser."), reportErrors);
    return false;
}

void wxHyperlinkCtrl::SendLinkEvent(wxEventType type, const wxMouseEvent& mouse)
{
    wxHyperlinkEvent event(type, GetId());
    event.SetEventObject(this);
    const wxPoint inParent = GetPosition() + mouse.GetPosition();
    event.x = inParent.x;
    event.y = inParent.y;
    if (wxWindow* parent = GetParent())
        parent->GetEventHandler()->ProcessEvent(event);
}

void wxHyperlinkCtrl::OnMouseEvent(wxMouseEvent& event)
{
    const wxEventType type = event.GetEventType();
    if (type == wxEVT_ENTER_WINDOW) {
        SetCursor(handCursor);
        if (hoverEffects) {
            wxFont font = GetFont();
            SetForegroundColour(hoverColour);
            font.SetUnderlined(underlineHover);
            if (bold)
                font.SetWeight(wxFONTWEIGHT_BOLD);
            SetFont(font);
            Refresh(true);
        }
    } else if (type == wxEVT_LEAVE_WINDOW) {
        SetCursor(wxNullCursor);
        if (hoverEffects)
            UpdateLook(true);
    } else if (type == wxEVT_LEFT_UP) {
        if (openOnLeftClick)
            GotoURL(url, browser, reportErrors, useShell);
        else
            SendLinkEvent(wxEVT_HYPERLINK_LEFT, event);
        visited = true;
    } else if (type == wxEVT_RIGHT_UP) {
        if (popUpMenu) {
            wxMenu* menu = new wxMenu(wxMENU_TEAROFF);
            menu->Append(ID_COPY, wxS("Copy"), wxEmptyString);
            PopupMenu(menu, event.GetPosition());
            delete menu;
        } else {
            SendLinkEvent(wxEVT_HYPERLINK_RIGHT, event);
        }
    } else if (type == wxEVT_MIDDLE_UP) {
        SendLinkEvent(wxEVT_HYPERLINK_MIDDLE, event);
    }
    event.Skip();
}

void wxHyperlinkCtrl::OnPopUpCopy(wxCommandEvent&)
{
    wxClipboard* clipboard = wxTheClipboard;
    clipboard->UsePrimarySelection(false);
    if (clipboard->Open()) {
        clipboard->SetData(new wxTextDataObject(url));
        clipboard->Close();
    }
}

} // namespace vellomar
