// A diagnostic plot of the last sample levels as vertical bars, marked samples in red.
#include "ui/WaveFormPanel.h"

#include "platform/DebugOutput.h"

#include <boost/format.hpp>
#include <wx/dcclient.h>

namespace {

const int kAxisY = 260;
const int kRightX = 510;

} // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(CWaveFormPanel, wxPanel)
    EVT_PAINT(CWaveFormPanel::OnPaint)
wxEND_EVENT_TABLE()
    // clang-format on

    CWaveFormPanel::CWaveFormPanel(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size)
    : wxPanel(parent, id, pos, size, wxTAB_TRAVERSAL | wxNO_BORDER)
    , historyLimit(500)
{
}

void CWaveFormPanel::AddSample(int level, int marker)
{
    const int16_t storedLevel = static_cast<int16_t>(level);
    OutputDebugStringW((boost::wformat(L" org = %d\n") % storedLevel).str());
    if (!samples.empty() && samples.size() >= historyLimit)
        samples.pop_front();
    samples.push_back(TSample(storedLevel, static_cast<int16_t>(marker)));
}

void CWaveFormPanel::Draw(wxDC& dc) const
{
    const int step = 500 / static_cast<int>(historyLimit);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();

    dc.SetPen(wxPen(*wxBLACK, 5, wxPENSTYLE_SOLID));
    dc.DrawLine(10, kAxisY, kRightX, kAxisY);

    const wxPen blackPen(*wxBLACK, 1, wxPENSTYLE_SOLID);
    const wxPen redPen(*wxRED, 1, wxPENSTYLE_SOLID);
    dc.SetPen(blackPen);
    int x = kRightX;
    for (const TSample& sample : samples) {
        const bool marked = (sample.second & 0xFF) != 0;
        if (marked)
            dc.SetPen(redPen);
        const int16_t h = static_cast<int16_t>(sample.first / 260.0 * 500.0 * 0.5);
        dc.DrawLine(x, kAxisY, x, kAxisY - h);
        x -= step;
        if (marked)
            dc.SetPen(blackPen);
    }
}

void CWaveFormPanel::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    Draw(dc);
}
