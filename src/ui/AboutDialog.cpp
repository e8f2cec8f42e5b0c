// The modal about box: name and version, rights notice, translation credit and the web site link.
#include "ui/AboutDialog.h"

#include "catalogue/LocalStrings.h"
#include "ui/HyperlinkCtrl.h"

#include <wx/button.h>
#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/statline.h>
#include <wx/stattext.h>

namespace {

void SetFontWeight(wxWindow* window, wxFontWeight weight)
{
    wxFont font = window->GetFont();
    font.SetWeight(weight);
    window->SetFont(font);
}

} // namespace

void SetBoldFont(wxWindow* window)
{
    SetFontWeight(window, wxFONTWEIGHT_BOLD);
}

void SetNormalFont(wxWindow* window)
{
    SetFontWeight(window, wxFONTWEIGHT_NORMAL);
}

void AddStaticText(wxWindow* parent, wxSizer* sizer)
{
    sizer->Add(new wxStaticText(
                   parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, 0, wxS("staticText")),
        0, wxALL, 0);
}

void AddLabelText(wxWindow* parent, wxSizer* sizer, const wxString& label)
{
    sizer->Add(
        new wxStaticText(parent, wxID_ANY, label, wxDefaultPosition, wxDefaultSize, 0, wxS("staticText")), 0,
        wxALL, 3);
}

bool IsGermanLocale()
{
    // Asked by name, so the process's own locale settings stay untouched.
    return wxLocale::GetLanguageCanonicalName(wxLocale::GetSystemLanguage()).Left(2) == wxS("de");
}

// clang-format off
wxBEGIN_EVENT_TABLE(CAboutDialog, wxDialog)
    EVT_BUTTON(wxID_OK, CAboutDialog::OnOK)
wxEND_EVENT_TABLE()
    // clang-format on

    CAboutDialog::CAboutDialog(boost::shared_ptr<loc::CLocalStrings>& strings, wxWindow* parent,
        wxWindowID id, const wxString& title, const wxPoint& pos, const wxSize& size)
    : wxDialog(parent, id, title, pos, size, wxDEFAULT_DIALOG_STYLE, wxS("dialog"))
{
    const loc::CLocalStrings& text = *strings;
    wxBoxSizer* outer = new wxBoxSizer(wxVERTICAL);
    wxBoxSizer* inner = new wxBoxSizer(wxVERTICAL);

    // The line breaks around name and version make a three-line title block.
    SetBoldFont(this);
    inner->Add(new wxStaticText(this, wxID_ANY,
                   wxS("\n") + text.GetString(1) + wxS(" ") + text.GetString(4) + wxS("\n"),
                   wxDefaultPosition, wxDefaultSize, 0, wxS("staticText")),
        0, wxALL, 3);

    SetNormalFont(this);
    AddLabelText(this, inner, text.GetString(36) + wxS(". ") + text.GetString(37) + wxS("."));
    AddStaticText(this, inner);
    AddLabelText(this, inner, text.GetString(87));
    AddStaticText(this, inner);
    AddLabelText(this, inner, text.GetString(40));

    SetBoldFont(this);
    inner->Add(new vellomar::wxHyperlinkCtrl(this, wxID_ANY, text.GetString(83), wxDefaultPosition,
                   wxDefaultSize, 0, wxS("staticText"), wxEmptyString),
        0, wxALL, 3);

    SetNormalFont(this);
    AddStaticText(this, inner);

    // Centring is implied by the expansion; the toolkit rejects the two flags together.
    outer->Add(inner, 1, wxEXPAND | wxALL, 5);
    outer->Add(new wxStaticLine(
                   this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxLI_HORIZONTAL, wxS("staticLine")),
        0, wxEXPAND | wxLEFT | wxRIGHT, 6);
    outer->Add(CreateButtonSizer(wxOK), 0, wxALL | wxALIGN_CENTER_HORIZONTAL, 5);

    SetSizer(outer, true);
    outer->Fit(this);
    outer->SetSizeHints(this);
    Centre(wxBOTH);
}

CAboutDialog::~CAboutDialog() = default;

void CAboutDialog::OnOK(wxCommandEvent&)
{
    EndModal(wxID_OK);
}
