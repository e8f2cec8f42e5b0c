// A modal, resizable dialog that shows one HTML page in the dialog's own colours, with an OK button.
#pragma once

#include <wx/dialog.h>

class CHtmlWindow;

class CHtmlDialog : public wxDialog {
public:
    // Shows body (the inside of the page's body) with the dialog's background and text colours.
    CHtmlDialog(const wxString& body, wxWindow* parent, wxWindowID id, const wxString& title,
        const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
        long style = wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER);
    ~CHtmlDialog() override;

    // The page text that wraps body in the given colours; links take the text colour.
    static wxString WrapPage(const wxString& body, const wxColour& background, const wxColour& text);

    // The HTML window inside the dialog.
    CHtmlWindow* GetHtmlWindow() const { return htmlWindow; }

    // The menu command id of Ctrl+A, which selects the whole page.
    enum { ID_SELECT_ALL = 1 };

private:
    void OnOK(wxCommandEvent& event);
    void OnSelectAll(wxCommandEvent& event);

    CHtmlWindow* htmlWindow;

    wxDECLARE_EVENT_TABLE();
};
