// The start-up picture: fades in from white, shows three text lines and closes itself.
#pragma once

#include <wx/dialog.h>
#include <wx/timer.h>

class wxBitmap;

// Blends source over destination with the given factor (0 keeps the destination, 1 gives the
// source, weighted by the source's alpha where it has one). Both must have the same size.
void BlendBitmaps(wxBitmap& destination, wxBitmap& source, float factor);

// destination := first source blended with the second by the factor; when destination and first
// source are the same bitmap this is BlendBitmaps.
void FadeBitmap(wxBitmap& destination, wxBitmap& firstSource, wxBitmap& secondSource, float factor);

class CSplashDialog : public wxDialog {
public:
    // A borderless dialog the size of bitmap. Draws the three lines into the lower right corner of
    // bitmap (which is changed, and must outlive the dialog), and closes after displayMs or at the
    // first key press or left or right click. The three further texts are not used.
    CSplashDialog(wxBitmap& bitmap, const wxString& line1, const wxString& line2, const wxString& line3,
        const wxString& unused1, const wxString& unused2, const wxString& unused3, int displayMs,
        wxWindow* parent, wxWindowID id = wxID_ANY, const wxPoint& pos = wxDefaultPosition);
    ~CSplashDialog() override;

    // The fade factor now: 0 shows white, 1 the picture.
    float GetFade() const { return fade; }

private:
    void OnPaint(wxPaintEvent& event);
    void OnEraseBackground(wxEraseEvent& event);
    void OnTimer(wxTimerEvent& event);
    void OnChar(wxKeyEvent& event);
    void OnMouse(wxMouseEvent& event);
    void Finish();

    wxBitmap& bitmap;
    wxTimer timer;
    int remainingMs;
    float fade;

    wxDECLARE_EVENT_TABLE();
};
