// The toolbar's labelled box: sized for its label, holding controls side by side, in a real toolbar.
#include "ui/ToolBarStaticBox.h"
#include "support/GuiTestSupport.h"

#include <gtest/gtest.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/toolbar.h>

using namespace gui_test;

namespace {

class ToolBarBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new CHostFrame;
        frame->SetClientSize(700, 200);
    }
    void TearDown() override
    {
        frame->Destroy();
        PumpEvents(20);
    }
    CHostFrame* frame = nullptr;
};

wxStaticBox* BoxOf(wxWindow* control)
{
    for (wxWindow* child : control->GetChildren())
        if (wxStaticBox* box = dynamic_cast<wxStaticBox*>(child))
            return box;
    return nullptr;
}

} // namespace

TEST_F(ToolBarBox, CarriesItsLabelAndLeavesRoomForIt)
{
    CToolBarStaticBox* box = new CToolBarStaticBox(frame, "Track Length", 3);
    ASSERT_NE(nullptr, BoxOf(box));
    EXPECT_EQ("Track Length", BoxOf(box)->GetLabel());
    // Only the box remains: the text that measured the label is gone.
    EXPECT_EQ(1u, box->GetChildren().size());
    const int labelWidth = box->GetTextExtent("Track Length").GetWidth();
    EXPECT_GE(box->GetSizer()->GetMinSize().GetWidth(), labelWidth);
}

TEST_F(ToolBarBox, AnEmptyLabelStillGivesABox)
{
    CToolBarStaticBox* box = new CToolBarStaticBox(frame, "", 3);
    ASSERT_NE(nullptr, BoxOf(box));
    EXPECT_GT(box->GetSizer()->GetMinSize().GetWidth(), 0);
}

TEST_F(ToolBarBox, ControlsStandSideBySideInTheOrderAdded)
{
    CToolBarStaticBox* box = new CToolBarStaticBox(frame, "Track Length", 3);
    wxSlider* slider = new wxSlider(box, 8, 0, 0, 98, wxDefaultPosition, wxDefaultSize, wxSL_HORIZONTAL);
    slider->SetMinSize(wxSize(120, -1));
    wxStaticText* label = new wxStaticText(box, wxID_ANY, " 9999 min ");
    box->AddControl(slider, 0);
    box->AddControl(label, 0);
    box->SetSize(box->GetBestSize().x, 80);
    PumpEvents(50);
    const wxRect sliderRect = slider->GetRect();
    const wxRect labelRect = label->GetRect();
    EXPECT_LE(sliderRect.GetRight(), labelRect.GetLeft());
    const wxRect frameRect = BoxOf(box)->GetRect();
    EXPECT_TRUE(frameRect.Contains(sliderRect.GetTopLeft()));
    EXPECT_TRUE(frameRect.Contains(labelRect.GetTopLeft()));
}

TEST_F(ToolBarBox, IsLaidOutAgainAfterAResize)
{
    CToolBarStaticBox* box = new CToolBarStaticBox(frame, "Track Length", 3);
    wxStaticText* label = new wxStaticText(box, wxID_ANY, "x");
    box->AddControl(label, 0);
    box->SetSize(300, 60);
    PumpEvents(50);
    const int before = BoxOf(box)->GetSize().GetWidth();
    box->SetSize(400, 60);
    PumpEvents(50);
    EXPECT_EQ(before + 100, BoxOf(box)->GetSize().GetWidth());
}

TEST_F(ToolBarBox, FitsIntoAToolbarWithASliderAndALabel)
{
    wxToolBar* toolBar = frame->CreateToolBar(0, wxID_ANY, "toolbar");
    toolBar->SetToolBitmapSize(wxSize(48, 48));
    CToolBarStaticBox* box = new CToolBarStaticBox(toolBar, "Track Length", 3);
    wxSlider* slider = new wxSlider(box, 8, 10, 0, 98, wxDefaultPosition, wxDefaultSize,
        wxSL_HORIZONTAL | wxSL_BOTH, wxDefaultValidator, "Track Length");
    wxSize sliderSize = slider->GetBestSize();
    sliderSize.IncTo(wxSize(120, 5));
    slider->SetMinSize(sliderSize);
    box->AddControl(slider, 0);
    wxStaticText* label = new wxStaticText(box, wxID_ANY, " 9999 min ", wxDefaultPosition, wxDefaultSize,
        wxALIGN_CENTRE_VERTICAL | wxST_NO_AUTORESIZE, "staticText");
    box->AddControl(label, 0);
    toolBar->AddControl(box);
    toolBar->Realize();
    frame->Show();
    PumpEvents(200);
    label->SetLabel(" 2 min ");
    // The toolbar stays a toolbar: the box's tall minimum does not blow it up.
    EXPECT_LT(toolBar->GetSize().GetHeight(), 200);
    EXPECT_TRUE(wxFileExists(SaveScreenshot(frame, "toolbar_static_box")));
}
