// A diagnostic dialog that shows a waveform panel and redraws it as samples arrive.
#include "ui/SplitDialog.h"

#include "ui/WaveFormPanel.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/utils.h>

// clang-format off
wxBEGIN_EVENT_TABLE(CSplitDialog, wxDialog)
    EVT_BUTTON(CSplitDialog::ID_NEXT, CSplitDialog::OnNext)
    EVT_BUTTON(wxID_CANCEL, CSplitDialog::OnCancel)
    EVT_CLOSE(CSplitDialog::OnClose)
wxEND_EVENT_TABLE()
    // clang-format on

    CSplitDialog::CSplitDialog(wxWindow* parent, wxWindowID id, const wxString& title)
    : wxDialog(parent, id, title, wxDefaultPosition, wxDefaultSize, wxCLOSE_BOX)
    , waveForm(nullptr)
{
    wxBoxSizer* sizer = new wxBoxSizer(wxVERTICAL);
    waveForm = new CWaveFormPanel(this, wxID_ANY, wxDefaultPosition, wxSize(520, 520));
    sizer->Add(waveForm, 0, 0, 0);
    sizer->Add(new wxButton(this, ID_NEXT, wxS("Next")));
    sizer->Add(CreateButtonSizer(wxCANCEL), 0, wxEXPAND | wxALL, 10);
    SetSizer(sizer);
    sizer->Fit(this);
    sizer->SetSizeHints(this);
}

void CSplitDialog::AddSample(int level, int marker)
{
    waveForm->AddSample(level, marker);
    wxMilliSleep(24);
    Refresh(true);
    Update();
}

void CSplitDialog::OnNext(wxCommandEvent&)
{
    Refresh(true);
    Update();
}

void CSplitDialog::OnCancel(wxCommandEvent&)
{
    // The viewer stays open while samples are still coming; only its close box ends it.
}

void CSplitDialog::OnClose(wxCloseEvent&)
{
    // The toolkit's default closing goes through the Cancel button, which does nothing here, so
    // the close box would otherwise leave a window that cannot be closed.
    if (IsModal())
        EndModal(wxID_CANCEL);
    else
        Hide();
}
