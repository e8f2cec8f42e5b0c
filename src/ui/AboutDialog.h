// The modal about box: name and version, rights notice, translation credit and the web site link.
#pragma once

#include <boost/shared_ptr.hpp>
#include <wx/dialog.h>

namespace loc {
class CLocalStrings;
}

class wxSizer;

// Switches the window's font to bold; children created afterwards take it.
void SetBoldFont(wxWindow* window);
// Switches the window's font back to normal weight.
void SetNormalFont(wxWindow* window);
// Adds an empty text line to sizer.
void AddStaticText(wxWindow* parent, wxSizer* sizer);
// Adds a text line with label to sizer.
void AddLabelText(wxWindow* parent, wxSizer* sizer, const wxString& label);
// True when the system's default language is German.
bool IsGermanLocale();

class CAboutDialog : public wxDialog {
public:
    // Builds the box from the catalogue's texts in the current language.
    CAboutDialog(boost::shared_ptr<loc::CLocalStrings>& strings, wxWindow* parent, wxWindowID id,
        const wxString& title, const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize);
    ~CAboutDialog() override;

private:
    void OnOK(wxCommandEvent& event);

    wxDECLARE_EVENT_TABLE();
};
