// Tests of the diagnostic waveform viewer: its rolling history and the bars it draws.
#include "ui/WaveFormPanel.h"
#include "support/GuiTestSupport.h"
#include "ui/SplitDialog.h"

#include <gtest/gtest.h>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>

namespace {

class WaveFormTest : public testing::Test {
protected:
    void SetUp() override
    {
        frame = new wxFrame(nullptr, wxID_ANY, wxS("wave"));
        panel = new CWaveFormPanel(frame, wxID_ANY, wxDefaultPosition, wxSize(520, 520));
    }
    void TearDown() override { frame->Destroy(); }

    wxImage Render()
    {
        wxBitmap bitmap(520, 520, 24);
        {
            wxMemoryDC dc(bitmap);
            panel->Draw(dc);
        }
        return bitmap.ConvertToImage();
    }

    wxFrame* frame = nullptr;
    CWaveFormPanel* panel = nullptr;
};

wxColour At(const wxImage& image, int x, int y)
{
    return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

} // namespace

TEST_F(WaveFormTest, KeepsTheLast500SamplesOldestFirst)
{
    for (int i = 0; i < 600; ++i)
        panel->AddSample(i, 0);
    ASSERT_EQ(500u, panel->GetSamples().size());
    EXPECT_EQ(100, panel->GetSamples().front().first);
    EXPECT_EQ(599, panel->GetSamples().back().first);
}

TEST_F(WaveFormTest, ValuesAreKeptAs16Bits)
{
    panel->AddSample(70000, 65536 + 3);
    EXPECT_EQ(int16_t(70000 - 65536), panel->GetSamples().back().first);
    EXPECT_EQ(3, panel->GetSamples().back().second);
}

TEST_F(WaveFormTest, AnEmptyHistoryShowsOnlyTheAxis)
{
    const wxImage image = Render();
    EXPECT_EQ(*wxBLACK, At(image, 100, 260));
    EXPECT_EQ(*wxBLACK, At(image, 100, 258));
    EXPECT_EQ(*wxWHITE, At(image, 100, 250));
    EXPECT_EQ(*wxWHITE, At(image, 5, 100));
    EXPECT_EQ(*wxWHITE, At(image, 510, 200));
}

TEST_F(WaveFormTest, MarkedSamplesAreRedTheOthersBlackOldestAtTheRight)
{
    panel->AddSample(100, 0); // x = 510, black, 96 pixels high
    panel->AddSample(100, 1); // x = 509, red
    panel->AddSample(100, 0x100); // x = 508: only the marker's low byte counts, so black
    panel->AddSample(-100, 7); // x = 507, red, downward
    const wxImage image = Render();
    EXPECT_EQ(*wxBLACK, At(image, 510, 200));
    EXPECT_EQ(*wxRED, At(image, 509, 200));
    EXPECT_EQ(*wxBLACK, At(image, 508, 200));
    EXPECT_EQ(*wxRED, At(image, 507, 320));
    EXPECT_EQ(*wxWHITE, At(image, 507, 200));
    // 100 / 260 x 250 = 96.2: the bar ends at y = 164.
    EXPECT_EQ(*wxBLACK, At(image, 510, 166));
    EXPECT_EQ(*wxWHITE, At(image, 510, 160));
    EXPECT_EQ(*wxWHITE, At(image, 506, 200));
}

TEST_F(WaveFormTest, AFullHistoryReachesFromTheRightEdgeTo11)
{
    for (int i = 0; i < 500; ++i)
        panel->AddSample(200, i == 499 ? 1 : 0);
    const wxImage image = Render();
    EXPECT_EQ(*wxBLACK, At(image, 510, 200));
    EXPECT_EQ(*wxRED, At(image, 11, 200));
    EXPECT_EQ(*wxBLACK, At(image, 12, 200));
    EXPECT_EQ(*wxWHITE, At(image, 9, 200));
}

TEST(SplitDialog, CancelKeepsItOpenAndTheCloseBoxClosesIt)
{
    CSplitDialog* dialog = new CSplitDialog(nullptr, wxID_ANY, wxS("Waveform"));
    dialog->Show();
    EXPECT_EQ(wxSize(520, 520), dialog->GetWaveFormPanel()->GetSize());
    dialog->AddSample(50, 1);
    EXPECT_EQ(1u, dialog->GetWaveFormPanel()->GetSamples().size());

    wxCommandEvent next(wxEVT_BUTTON, CSplitDialog::ID_NEXT);
    dialog->GetEventHandler()->ProcessEvent(next);
    wxCommandEvent cancel(wxEVT_BUTTON, wxID_CANCEL);
    dialog->GetEventHandler()->ProcessEvent(cancel);
    gui_test::PumpEvents(50);
    EXPECT_TRUE(dialog->IsShown());

    dialog->Close();
    gui_test::PumpEvents(50);
    EXPECT_FALSE(dialog->IsShown());
    dialog->Destroy();
}
