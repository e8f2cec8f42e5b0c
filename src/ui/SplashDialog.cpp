// The start-up picture: fades in from white, shows three text lines and closes itself.
#include "ui/SplashDialog.h"

#include <wx/bitmap.h>
#include <wx/dcbuffer.h>
#include <wx/dcmemory.h>
#include <wx/rawbmp.h>

#include <algorithm>

namespace {

const int kFullWeight = 255 * 255;
const int kTickMs = 40;

int FactorToByte(float factor)
{
    int a = static_cast<int>(factor * 255);
    return a < 0 ? 0 : (a > 255 ? 255 : a);
}

bool Is32Bit(const wxBitmap& bitmap)
{
    return bitmap.GetDepth() == 32;
}

bool ReadsAlpha(const wxBitmap& bitmap)
{
    return Is32Bit(bitmap) && bitmap.HasAlpha();
}

// dst := src over dst with weight alpha(src) x a, for every pixel of equally sized bitmaps.
template <class TDstData, class TSrcData> void BlendPixels(wxBitmap& dst, wxBitmap& src, int a, bool srcAlpha)
{
    TDstData dstData(dst);
    TSrcData srcData(src);
    if (!dstData || !srcData)
        return;
    typename TDstData::Iterator dstRow(dstData);
    typename TSrcData::Iterator srcRow(srcData);
    for (int y = 0; y < dstData.GetHeight(); ++y) {
        typename TDstData::Iterator d = dstRow;
        typename TSrcData::Iterator s = srcRow;
        for (int x = 0; x < dstData.GetWidth(); ++x, ++d, ++s) {
            const int w = (srcAlpha ? int(s.Alpha()) : 255) * a;
            if (w == 0)
                continue;
            d.Red() = (s.Red() * w + d.Red() * (kFullWeight - w)) / kFullWeight;
            d.Green() = (s.Green() * w + d.Green() * (kFullWeight - w)) / kFullWeight;
            d.Blue() = (s.Blue() * w + d.Blue() * (kFullWeight - w)) / kFullWeight;
        }
        dstRow.OffsetY(dstData, 1);
        srcRow.OffsetY(srcData, 1);
    }
}

// dst := src1 blended with src2 by the weight alpha(src2) x a, over dst's size.
template <class TDstData, class TSrc1Data, class TSrc2Data>
void FadePixels(wxBitmap& dst, wxBitmap& src1, wxBitmap& src2, int a, bool src2Alpha)
{
    TDstData dstData(dst);
    TSrc1Data src1Data(src1);
    TSrc2Data src2Data(src2);
    if (!dstData || !src1Data || !src2Data)
        return;
    // Never read past either source, whatever sizes the caller passes.
    const int width = std::min(dstData.GetWidth(), std::min(src1Data.GetWidth(), src2Data.GetWidth()));
    const int height = std::min(dstData.GetHeight(), std::min(src1Data.GetHeight(), src2Data.GetHeight()));
    typename TDstData::Iterator dstRow(dstData);
    typename TSrc1Data::Iterator src1Row(src1Data);
    typename TSrc2Data::Iterator src2Row(src2Data);
    for (int y = 0; y < height; ++y) {
        typename TDstData::Iterator d = dstRow;
        typename TSrc1Data::Iterator s1 = src1Row;
        typename TSrc2Data::Iterator s2 = src2Row;
        for (int x = 0; x < width; ++x, ++d, ++s1, ++s2) {
            const int w = (src2Alpha ? int(s2.Alpha()) : 255) * a;
            if (w == 0) {
                d.Red() = s1.Red();
                d.Green() = s1.Green();
                d.Blue() = s1.Blue();
                continue;
            }
            d.Red() = (s1.Red() * (kFullWeight - w) + s2.Red() * w) / kFullWeight;
            d.Green() = (s1.Green() * (kFullWeight - w) + s2.Green() * w) / kFullWeight;
            d.Blue() = (s1.Blue() * (kFullWeight - w) + s2.Blue() * w) / kFullWeight;
        }
        dstRow.OffsetY(dstData, 1);
        src1Row.OffsetY(src1Data, 1);
        src2Row.OffsetY(src2Data, 1);
    }
}

template <class TDstData, class TSrc1Data>
void FadeWithSecond(wxBitmap& dst, wxBitmap& src1, wxBitmap& src2, int a)
{
    if (Is32Bit(src2))
        FadePixels<TDstData, TSrc1Data, wxAlphaPixelData>(dst, src1, src2, a, ReadsAlpha(src2));
    else
        FadePixels<TDstData, TSrc1Data, wxNativePixelData>(dst, src1, src2, a, false);
}

template <class TDstData> void FadeWithFirst(wxBitmap& dst, wxBitmap& src1, wxBitmap& src2, int a)
{
    if (Is32Bit(src1))
        FadeWithSecond<TDstData, wxAlphaPixelData>(dst, src1, src2, a);
    else
        FadeWithSecond<TDstData, wxNativePixelData>(dst, src1, src2, a);
}

} // namespace

void BlendBitmaps(wxBitmap& destination, wxBitmap& source, float factor)
{
    const int a = FactorToByte(factor);
    if (a == 0 || !destination.IsOk() || !source.IsOk() || destination.GetSize() != source.GetSize())
        return;
    const bool sourceAlpha = ReadsAlpha(source);
    if (Is32Bit(destination)) {
        if (Is32Bit(source))
            BlendPixels<wxAlphaPixelData, wxAlphaPixelData>(destination, source, a, sourceAlpha);
        else
            BlendPixels<wxAlphaPixelData, wxNativePixelData>(destination, source, a, false);
    } else {
        if (Is32Bit(source))
            BlendPixels<wxNativePixelData, wxAlphaPixelData>(destination, source, a, sourceAlpha);
        else
            BlendPixels<wxNativePixelData, wxNativePixelData>(destination, source, a, false);
    }
}

void FadeBitmap(wxBitmap& destination, wxBitmap& firstSource, wxBitmap& secondSource, float factor)
{
    if (&destination == &firstSource) {
        BlendBitmaps(destination, secondSource, factor);
        return;
    }
    if (!destination.IsOk() || !firstSource.IsOk() || !secondSource.IsOk())
        return;
    const int a = FactorToByte(factor);
    if (Is32Bit(destination))
        FadeWithFirst<wxAlphaPixelData>(destination, firstSource, secondSource, a);
    else
        FadeWithFirst<wxNativePixelData>(destination, firstSource, secondSource, a);
}

// clang-format off
wxBEGIN_EVENT_TABLE(CSplashDialog, wxDialog)
    EVT_PAINT(CSplashDialog::OnPaint)
    EVT_ERASE_BACKGROUND(CSplashDialog::OnEraseBackground)
    EVT_TIMER(1, CSplashDialog::OnTimer)
    EVT_CHAR(CSplashDialog::OnChar)
    EVT_MOUSE_EVENTS(CSplashDialog::OnMouse)
wxEND_EVENT_TABLE()
    // clang-format on

    CSplashDialog::CSplashDialog(wxBitmap& bitmap, const wxString& line1, const wxString& line2,
        const wxString& line3, const wxString&, const wxString&, const wxString&, int displayMs,
        wxWindow* parent, wxWindowID id, const wxPoint& pos)
    : wxDialog(parent, id, wxEmptyString, pos, bitmap.GetSize(), wxNO_BORDER, wxS("dialog"))
    , bitmap(bitmap)
    , timer(this, 1)
    , remainingMs(displayMs)
    , fade(0.0f)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);

    if (bitmap.IsOk()) {
        wxMemoryDC dc(bitmap);
        dc.SetFont(wxFont(7, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_LIGHT, false));
        const int h = static_cast<int>(dc.GetTextExtent(wxS("A")).GetHeight() * 1.3);
        const int width = bitmap.GetWidth();
        const int height = bitmap.GetHeight();
        const wxString lines[3] = { line1, line2, line3 };
        for (int i = 0; i < 3; ++i) {
            const int w = dc.GetTextExtent(lines[i]).GetWidth();
            dc.DrawText(lines[i], width - w - 7, height - (3 - i) * h - 5);
        }
        dc.SetPen(*wxBLACK_PEN);
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.DrawRectangle(0, 0, width, height);
        dc.SelectObject(wxNullBitmap);
    }

    timer.Start(kTickMs, wxTIMER_CONTINUOUS);
}

CSplashDialog::~CSplashDialog()
{
    timer.Stop();
}

void CSplashDialog::Finish()
{
    timer.Stop();
    // Shown without a modal loop (never by the program) the splash just hides.
    if (IsModal())
        EndModal(wxID_OK);
    else
        Hide();
}

void CSplashDialog::OnTimer(wxTimerEvent&)
{
    Refresh(true);
    Update();
    fade = fade >= 1.0f ? 1.0f : fade + 0.05f;
    remainingMs -= kTickMs;
    if (remainingMs < 0) {
        remainingMs = 0;
        Finish();
    }
}

void CSplashDialog::OnChar(wxKeyEvent&)
{
    Finish();
}

void CSplashDialog::OnMouse(wxMouseEvent& event)
{
    if (event.GetEventType() == wxEVT_LEFT_DOWN || event.GetEventType() == wxEVT_RIGHT_DOWN)
        Finish();
}

void CSplashDialog::OnEraseBackground(wxEraseEvent&) { }

void CSplashDialog::OnPaint(wxPaintEvent&)
{
    wxBufferedPaintDC dc(this);
    if (!bitmap.IsOk())
        return;
    // Composed off-screen: a white canvas with the picture blended in by the fade.
    wxBitmap canvas(bitmap.GetWidth(), bitmap.GetHeight(), 24);
    wxMemoryDC memory(canvas);
    memory.SetBackground(*wxWHITE_BRUSH);
    memory.Clear();
    memory.SelectObject(wxNullBitmap);
    FadeBitmap(canvas, canvas, bitmap, fade);
    memory.SelectObject(canvas);
    dc.Blit(0, 0, canvas.GetWidth(), canvas.GetHeight(), &memory, 0, 0, wxCOPY, true);
}
