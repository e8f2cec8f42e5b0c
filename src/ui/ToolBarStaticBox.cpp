// A labelled frame around a few controls, so that they stand as one item in a toolbar.
#include "ui/ToolBarStaticBox.h"

#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

namespace {

// No minimum height of its own: a toolbar takes its height from its tallest item, so a box that
// asked for more than its contents need would stretch the whole toolbar.
const int kMinimumHeight = 0;

} // namespace

CToolBarStaticBox::CToolBarStaticBox(wxWindow* parent, const wxString& label, int border)
    : wxControl(
        parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_STATIC, wxDefaultValidator, "control")
{
    wxBoxSizer* outerSizer = new wxBoxSizer(wxVERTICAL);
    boxSizer = new wxStaticBoxSizer(new wxStaticBox(this, wxID_ANY, label), wxHORIZONTAL);

    // Measure the label once, so that the frame leaves room for it whatever it holds.
    wxStaticText* measure
        = new wxStaticText(this, wxID_ANY, label, wxDefaultPosition, wxDefaultSize, 0, "staticText");
    boxSizer->Add(measure, 0, 0, 0);
    const int width = static_cast<int>(boxSizer->GetMinSize().GetWidth() * 1.2f);
    boxSizer->Detach(measure);
    measure->Destroy();

    boxSizer->SetMinSize(width, kMinimumHeight);
    boxSizer->Fit(this);
    outerSizer->Add(boxSizer, 0, wxEXPAND | wxALL, border);
    SetSizer(outerSizer, true);
    SetAutoLayout(true);
    outerSizer->Fit(this);
}

void CToolBarStaticBox::AddControl(wxWindow* control, int border)
{
    wxBoxSizer* cell = new wxBoxSizer(wxVERTICAL);
    cell->Add(control, 0, 0, 0);
    // Centred in height, so a label lines up with a slider beside it.
    boxSizer->Add(cell, 0, wxALIGN_CENTER_VERTICAL | wxALL, border);
    GetSizer()->SetMinSize(0, kMinimumHeight);
    GetSizer()->Fit(this);
}

void CToolBarStaticBox::OnSize(wxSizeEvent& event)
{
    if (GetAutoLayout())
        Layout();
    event.Skip();
}

// clang-format off
wxBEGIN_EVENT_TABLE(CToolBarStaticBox, wxControl)
    EVT_SIZE(CToolBarStaticBox::OnSize)
wxEND_EVENT_TABLE()
