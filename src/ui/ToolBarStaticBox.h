// A labelled frame around a few controls, so that they stand as one item in a toolbar.
#pragma once

#include <wx/control.h>

class wxSizeEvent;
class wxStaticBoxSizer;

class CToolBarStaticBox : public wxControl {
public:
    // An empty labelled box, at least 1.2 times as wide as its label needs; border in pixels
    // around the box.
    CToolBarStaticBox(wxWindow* parent, const wxString& label, int border);

    // Adds a window (already a child of this control) after the previous ones, side by side.
    void AddControl(wxWindow* control, int border);

protected:
    // Lays the control out again after a resize.
    virtual void OnSize(wxSizeEvent& event);

private:
    wxStaticBoxSizer* boxSizer;

    wxDECLARE_EVENT_TABLE();
};
