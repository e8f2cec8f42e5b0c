// A modal, resizable dialog that shows one HTML page in the dialog's own colours, with an OK button.
#include "ui/HtmlDialog.h"

#include "ui/HtmlWindow.h"

#include <wx/accel.h>
#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statline.h>

// clang-format off
wxBEGIN_EVENT_TABLE(CHtmlDialog, wxDialog)
    EVT_BUTTON(wxID_OK, CHtmlDialog::OnOK)
    EVT_MENU(CHtmlDialog::ID_SELECT_ALL, CHtmlDialog::OnSelectAll)
wxEND_EVENT_TABLE()
    // clang-format on

    CHtmlDialog::CHtmlDialog(const wxString& body, wxWindow* parent, wxWindowID id, const wxString& title,
        const wxPoint& pos, const wxSize& size, long style)
    : wxDialog(parent, id, title, pos, size, style, wxS("dialog"))
    , htmlWindow(nullptr)
{
    wxBoxSizer* sizer = new wxBoxSizer(wxVERTICAL);

    htmlWindow = new CHtmlWindow(
        this, wxID_ANY, wxDefaultPosition, GetClientSize(), wxHW_SCROLLBAR_AUTO, wxS("HtmlWindow"));
    htmlWindow->SetBorders(0);
    htmlWindow->SetPage(WrapPage(body, GetBackgroundColour(), GetForegroundColour()));

    // The window is as wide as the laid-out page, so the dialog opens without a horizontal bar.
    if (wxHtmlContainerCell* root = htmlWindow->GetInternalRepresentation())
        htmlWindow->SetSize(root->GetWidth(), GetClientSize().GetHeight());
    sizer->Add(htmlWindow, 1, wxEXPAND | wxALL, 10);

    sizer->Add(new wxStaticLine(
                   this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxLI_HORIZONTAL, wxS("staticLine")),
        0, wxEXPAND | wxLEFT | wxRIGHT, 10);
    sizer->Add(CreateButtonSizer(wxOK), 0, wxALL | wxALIGN_CENTER_HORIZONTAL, 3);

    sizer->Fit(this);
    sizer->SetSizeHints(this);
    SetSizer(sizer);
    Centre(wxBOTH);
    htmlWindow->SetFocus();

    wxAcceleratorEntry selectAll(wxACCEL_CTRL, 'A', ID_SELECT_ALL);
    SetAcceleratorTable(wxAcceleratorTable(1, &selectAll));
}

CHtmlDialog::~CHtmlDialog() = default;

wxString CHtmlDialog::WrapPage(const wxString& body, const wxColour& background, const wxColour& text)
{
    return wxS("<html><body bgcolor=\"#") + ColourToHtml(background) + wxS("\" text=\"#") + ColourToHtml(text)
        + wxS("\" link=\"#") + ColourToHtml(text) + wxS("\" >") + body + wxS("</html>");
}

void CHtmlDialog::OnOK(wxCommandEvent&)
{
    EndModal(wxID_OK);
}

void CHtmlDialog::OnSelectAll(wxCommandEvent&)
{
    htmlWindow->SelectAll();
}
