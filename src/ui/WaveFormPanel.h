// A diagnostic plot of the last sample levels as vertical bars, marked samples in red.
#pragma once

#include <wx/panel.h>

#include <cstdint>
#include <deque>
#include <utility>

class wxDC;

class CWaveFormPanel : public wxPanel {
public:
    // A level and its marker.
    typedef std::pair<int16_t, int16_t> TSample;

    // An empty panel that keeps up to 500 samples.
    CWaveFormPanel(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
        const wxSize& size = wxDefaultSize);

    // Appends a sample (each value kept as 16 bits), dropping the oldest once the history is full.
    void AddSample(int level, int marker);

    // The history, oldest first.
    const std::deque<TSample>& GetSamples() const { return samples; }

    // Draws the axis and the history into dc: the oldest sample at x = 510, newer ones to the left.
    void Draw(wxDC& dc) const;

private:
    void OnPaint(wxPaintEvent& event);

    std::deque<TSample> samples;
    unsigned historyLimit;

    wxDECLARE_EVENT_TABLE();
};
