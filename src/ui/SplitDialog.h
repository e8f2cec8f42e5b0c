// A diagnostic dialog that shows a waveform panel and redraws it as samples arrive.
#pragma once

#include <wx/dialog.h>

class CWaveFormPanel;

class CSplitDialog : public wxDialog {
public:
    // The waveform panel (520 x 520), a "Next" button and a Cancel button that does not close.
    CSplitDialog(wxWindow* parent, wxWindowID id, const wxString& title);

    // Passes the sample to the panel and shows it at once, after a short pause for the eye.
    void AddSample(int level, int marker);

    // The waveform panel.
    CWaveFormPanel* GetWaveFormPanel() const { return waveForm; }

    // The id of the "Next" button.
    enum { ID_NEXT = 1 };

private:
    void OnNext(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);

    CWaveFormPanel* waveForm;

    wxDECLARE_EVENT_TABLE();
};
