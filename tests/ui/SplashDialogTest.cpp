// Tests of the start-up picture: the blend arithmetic, the text, the fade and every way it closes.
#include "ui/SplashDialog.h"
#include "platform/gui/ResourceBitmaps.h"
#include "support/GuiTestSupport.h"

#include <gtest/gtest.h>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/image.h>
#include <wx/stopwatch.h>
#include <wx/timer.h>

namespace {

wxBitmap Filled(const wxColour& colour, int width = 8, int height = 4)
{
    wxImage image(width, height);
    image.SetRGB(wxRect(0, 0, width, height), colour.Red(), colour.Green(), colour.Blue());
    return wxBitmap(image, 24);
}

wxColour PixelAt(const wxBitmap& bitmap, int x, int y)
{
    const wxImage image = bitmap.ConvertToImage();
    return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

// Runs the action once, from the modal loop, after the given time.
class COneShot : public wxTimer {
public:
    explicit COneShot(std::function<void()> action)
        : action(action)
    {
    }
    void Notify() override { action(); }

private:
    std::function<void()> action;
};

void Send(wxWindow* window, wxEvent& event)
{
    event.SetEventObject(window);
    window->GetEventHandler()->ProcessEvent(event);
}

// The number of pixels whose channels differ by more than the tolerance.
int CountDifferences(const wxImage& a, const wxImage& b, int tolerance)
{
    int differences = 0;
    for (int y = 0; y < a.GetHeight(); ++y)
        for (int x = 0; x < a.GetWidth(); ++x)
            if (std::abs(a.GetRed(x, y) - b.GetRed(x, y)) > tolerance
                || std::abs(a.GetGreen(x, y) - b.GetGreen(x, y)) > tolerance
                || std::abs(a.GetBlue(x, y) - b.GetBlue(x, y)) > tolerance)
                ++differences;
    return differences;
}

} // namespace

TEST(SplashBlend, AtHalfARedPixelOverWhiteKeepsFullRedAndHalvesTheOthers)
{
    wxBitmap canvas = Filled(*wxWHITE);
    wxBitmap red = Filled(wxColour(255, 0, 0));
    FadeBitmap(canvas, canvas, red, 0.5f);
    EXPECT_EQ(wxColour(255, 128, 128), PixelAt(canvas, 3, 2));
}

TEST(SplashBlend, FadeZeroLeavesTheCanvasWhiteAndFadeOneGivesThePicture)
{
    wxBitmap canvas = Filled(*wxWHITE);
    wxBitmap picture = Filled(wxColour(12, 200, 99));
    FadeBitmap(canvas, canvas, picture, 0.0f);
    EXPECT_EQ(*wxWHITE, PixelAt(canvas, 0, 0));
    FadeBitmap(canvas, canvas, picture, 1.0f);
    EXPECT_EQ(wxColour(12, 200, 99), PixelAt(canvas, 7, 3));
}

TEST(SplashBlend, FactorsOutsideTheRangeAreClamped)
{
    wxBitmap canvas = Filled(*wxWHITE);
    wxBitmap picture = Filled(wxColour(0, 0, 0));
    FadeBitmap(canvas, canvas, picture, -3.0f);
    EXPECT_EQ(*wxWHITE, PixelAt(canvas, 0, 0));
    FadeBitmap(canvas, canvas, picture, 7.5f);
    EXPECT_EQ(*wxBLACK, PixelAt(canvas, 0, 0));
}

TEST(SplashBlend, AFullyTransparentPixelLeavesTheCanvasWhiteAtEveryFade)
{
    wxImage image(4, 1);
    image.SetRGB(wxRect(0, 0, 4, 1), 0, 0, 0);
    image.InitAlpha();
    image.SetAlpha(0, 0, 0);
    image.SetAlpha(1, 0, 255);
    image.SetAlpha(2, 0, 0);
    image.SetAlpha(3, 0, 255);
    wxBitmap picture(image, 32);
    ASSERT_EQ(32, picture.GetDepth());
    for (float fade : { 0.25f, 0.5f, 1.0f }) {
        wxBitmap canvas = Filled(*wxWHITE, 4, 1);
        FadeBitmap(canvas, canvas, picture, fade);
        EXPECT_EQ(*wxWHITE, PixelAt(canvas, 0, 0)) << fade;
        EXPECT_EQ(*wxWHITE, PixelAt(canvas, 2, 0)) << fade;
    }
    wxBitmap canvas = Filled(*wxWHITE, 4, 1);
    FadeBitmap(canvas, canvas, picture, 1.0f);
    EXPECT_EQ(*wxBLACK, PixelAt(canvas, 1, 0));
}

TEST(SplashBlend, IntoAThirdBitmapTheFirstSourceIsBlendedWithTheSecond)
{
    wxBitmap destination = Filled(wxColour(1, 2, 3));
    wxBitmap white = Filled(*wxWHITE);
    wxBitmap black = Filled(*wxBLACK);
    FadeBitmap(destination, white, black, 0.5f);
    // a = 127: (255 x (65025 - 32385)) / 65025 = 128.
    EXPECT_EQ(wxColour(128, 128, 128), PixelAt(destination, 5, 1));
    FadeBitmap(destination, black, white, 0.0f);
    EXPECT_EQ(*wxBLACK, PixelAt(destination, 5, 1)) << "a = 0 copies the first source";
}

TEST(SplashBlend, BitmapsOfDifferentSizesAreLeftAlone)
{
    wxBitmap canvas = Filled(*wxWHITE, 8, 4);
    wxBitmap picture = Filled(*wxBLACK, 4, 4);
    BlendBitmaps(canvas, picture, 1.0f);
    EXPECT_EQ(*wxWHITE, PixelAt(canvas, 0, 0));
}

TEST(SplashPicture, TheResourceIs500By130With24Bits)
{
    wxBitmap splash = platform::LoadBitmapResource(wxS("splash"));
    ASSERT_TRUE(splash.IsOk());
    EXPECT_EQ(500, splash.GetWidth());
    EXPECT_EQ(130, splash.GetHeight());
    EXPECT_EQ(24, splash.GetDepth());
}

TEST(SplashText, LinesAreRightAlignedOnTheirOwnAndTheFrameIsBlack)
{
    wxBitmap picture = Filled(*wxWHITE, 500, 130);
    CSplashDialog dialog(picture, wxS("A much longer first line of text"), wxS("Short"), wxString(),
        wxString(), wxString(), wxString(), 1000, nullptr);
    EXPECT_EQ(wxSize(500, 130), dialog.GetSize());

    wxMemoryDC dc;
    dc.SetFont(wxFont(7, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_LIGHT, false));
    const int h = int(dc.GetTextExtent(wxS("A")).GetHeight() * 1.3);
    const wxImage image = picture.ConvertToImage();
    // Leftmost and rightmost dark pixel inside the frame, in the rows of line 1 and of line 2.
    auto span = [&](int top) {
        int left = 500, right = -1;
        for (int y = top; y < top + h && y < 129; ++y)
            for (int x = 1; x < 499; ++x)
                if (image.GetRed(x, y) < 128) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        return std::make_pair(left, right);
    };
    const auto line1 = span(130 - 3 * h - 5);
    const auto line2 = span(130 - 2 * h - 5);
    ASSERT_GE(line1.second, 0);
    ASSERT_GE(line2.second, 0);
    EXPECT_GT(line2.first, line1.first + 50) << "the short line starts further right";
    EXPECT_NEAR(line1.second, line2.second, 3) << "both end 7 pixels from the right edge";
    EXPECT_GE(line1.second, 500 - 7 - 4);
    EXPECT_EQ(*wxBLACK, PixelAt(picture, 0, 65));
    EXPECT_EQ(*wxBLACK, PixelAt(picture, 499, 65));
    EXPECT_EQ(*wxBLACK, PixelAt(picture, 250, 0));
    EXPECT_EQ(*wxBLACK, PixelAt(picture, 250, 129));
    // The corners may be softened by antialiasing, but stay dark.
    EXPECT_LT(PixelAt(picture, 0, 0).Red(), 64);
    EXPECT_LT(PixelAt(picture, 499, 129).Red(), 64);
    EXPECT_EQ(*wxWHITE, PixelAt(picture, 100, 20));
}

TEST(SplashClosing, ItClosesItselfAfterItsTime)
{
    wxBitmap picture = Filled(*wxWHITE, 500, 130);
    CSplashDialog dialog(
        picture, wxS("1.9"), wxS("notice"), wxS("rights"), wxString(), wxString(), wxString(), 200, nullptr);
    wxStopWatch watch;
    EXPECT_EQ(wxID_OK, dialog.ShowModal());
    EXPECT_GE(watch.Time(), 200);
    EXPECT_LT(watch.Time(), 8000);
}

TEST(SplashClosing, WithNoTimeTheFirstTickClosesIt)
{
    wxBitmap picture = Filled(*wxWHITE, 500, 130);
    CSplashDialog dialog(
        picture, wxS("a"), wxS("b"), wxS("c"), wxString(), wxString(), wxString(), 0, nullptr);
    EXPECT_EQ(wxID_OK, dialog.ShowModal());
    EXPECT_FLOAT_EQ(0.05f, dialog.GetFade());
}

TEST(SplashClosing, AKeyClosesItAtOnce)
{
    wxBitmap picture = Filled(*wxWHITE, 500, 130);
    CSplashDialog dialog(
        picture, wxS("a"), wxS("b"), wxS("c"), wxString(), wxString(), wxString(), 30000, nullptr);
    dialog.CallAfter([&dialog] {
        wxKeyEvent key(wxEVT_CHAR);
        key.m_keyCode = 'x';
        Send(&dialog, key);
    });
    wxStopWatch watch;
    EXPECT_EQ(wxID_OK, dialog.ShowModal());
    EXPECT_LT(watch.Time(), 10000);
}

TEST(SplashClosing, ALeftOrRightClickClosesItButOtherMouseEventsDoNot)
{
    for (wxEventType closing : { wxEVT_LEFT_DOWN, wxEVT_RIGHT_DOWN }) {
        wxBitmap picture = Filled(*wxWHITE, 500, 130);
        CSplashDialog dialog(
            picture, wxS("a"), wxS("b"), wxS("c"), wxString(), wxString(), wxString(), 30000, nullptr);
        bool stillOpen = false;
        dialog.CallAfter([&] {
            for (wxEventType harmless : { wxEVT_MIDDLE_DOWN, wxEVT_MIDDLE_UP, wxEVT_MOTION, wxEVT_MOUSEWHEEL,
                     wxEVT_LEFT_UP, wxEVT_ENTER_WINDOW, wxEVT_LEAVE_WINDOW }) {
                wxMouseEvent mouse(harmless);
                Send(&dialog, mouse);
            }
            stillOpen = dialog.IsModal() && dialog.IsShown();
            wxMouseEvent click(closing);
            Send(&dialog, click);
        });
        wxStopWatch watch;
        EXPECT_EQ(wxID_OK, dialog.ShowModal());
        EXPECT_TRUE(stillOpen);
        EXPECT_LT(watch.Time(), 10000);
    }
}

TEST(SplashFade, Screenshot)
{
    wxBitmap picture = platform::LoadBitmapResource(wxS("splash"));
    ASSERT_TRUE(picture.IsOk());
    CSplashDialog dialog(picture, wxS("1.9"), wxS("\u00a9 2004-2026 Vellomar developers"),
        wxS("All rights reserved"), wxString(), wxString(), wxString(), 60000, nullptr, wxID_ANY,
        wxPoint(0, 0));
    dialog.Show();
    gui_test::PumpEvents(1200);
    EXPECT_FLOAT_EQ(1.0f, dialog.GetFade());
    EXPECT_TRUE(wxFileExists(gui_test::SaveScreenshot(&dialog, "splash")));
}

// Without a window manager (as under Xvfb) only the origin is placed reliably, so the dialogs whose
// screen is read stand at (0, 0).
TEST(SplashFade, TheFadeRisesFromWhiteToThePictureOnTheScreen)
{
    wxBitmap picture = platform::LoadBitmapResource(wxS("splash"));
    ASSERT_TRUE(picture.IsOk());
    CSplashDialog dialog(picture, wxS("1.9"), wxS("(c) notice"), wxS("All rights reserved"), wxString(),
        wxString(), wxString(), 3000, nullptr, wxID_ANY, wxPoint(0, 0));
    EXPECT_FLOAT_EQ(0.0f, dialog.GetFade());

    float fadeSeen = 0;
    wxImage shown;
    COneShot grab([&] {
        fadeSeen = dialog.GetFade();
        // Other test programs may share the display: bring the splash to the top before reading it.
        dialog.Raise();
        dialog.Refresh();
        dialog.Update();
        const wxRect rect = dialog.GetScreenRect();
        wxBitmap screen(rect.GetWidth(), rect.GetHeight(), 24);
        {
            wxScreenDC source;
            wxMemoryDC target(screen);
            target.Blit(0, 0, rect.GetWidth(), rect.GetHeight(), &source, rect.GetLeft(), rect.GetTop());
        }
        shown = screen.ConvertToImage();
        wxMouseEvent click(wxEVT_LEFT_DOWN);
        Send(&dialog, click);
    });
    // Twenty-one ticks of 40 ms bring the fade to 1; the grab comes well after that.
    grab.StartOnce(1500);
    EXPECT_EQ(wxID_OK, dialog.ShowModal());
    EXPECT_FLOAT_EQ(1.0f, fadeSeen);
    ASSERT_TRUE(shown.IsOk());
    const wxImage expected = picture.ConvertToImage();
    ASSERT_EQ(expected.GetSize(), shown.GetSize());
    EXPECT_LT(CountDifferences(expected, shown, 2), 500 * 130 / 100);
}
