// Tests of the about box: its lines and link in order, in the catalogue's current language.
#include "ui/AboutDialog.h"
#include "catalogue/LocalStrings.h"
#include "support/GuiTestSupport.h"
#include "ui/HyperlinkCtrl.h"

#include <gtest/gtest.h>

#include <boost/make_shared.hpp>
#include <vector>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace {

// The windows of the box's text column, top to bottom.
std::vector<wxWindow*> Lines(CAboutDialog& dialog)
{
    std::vector<wxWindow*> lines;
    wxSizer* outer = dialog.GetSizer();
    if (!outer || outer->GetItemCount() == 0 || !outer->GetItem(size_t(0))->IsSizer())
        return lines;
    for (wxSizerItem* item : outer->GetItem(size_t(0))->GetSizer()->GetChildren())
        if (item->IsWindow())
            lines.push_back(item->GetWindow());
    return lines;
}

void ExpectLinesOf(const loc::CLocalStrings& text, CAboutDialog& dialog)
{
    const std::vector<wxWindow*> lines = Lines(dialog);
    ASSERT_EQ(8u, lines.size());
    EXPECT_EQ(wxS("\n") + text.GetString(1) + wxS(" ") + text.GetString(4) + wxS("\n"), lines[0]->GetLabel());
    EXPECT_EQ(text.GetString(36) + wxS(". ") + text.GetString(37) + wxS("."), lines[1]->GetLabel());
    EXPECT_EQ(wxString(), lines[2]->GetLabel());
    EXPECT_EQ(text.GetString(87), lines[3]->GetLabel());
    EXPECT_EQ(wxString(), lines[4]->GetLabel());
    EXPECT_EQ(text.GetString(40), lines[5]->GetLabel());
    vellomar::wxHyperlinkCtrl* link = dynamic_cast<vellomar::wxHyperlinkCtrl*>(lines[6]);
    ASSERT_NE(nullptr, link);
    EXPECT_EQ(text.GetString(83), link->GetLabel());
    EXPECT_EQ(link->GetLabel(), link->GetURL());
    EXPECT_EQ(wxString(), lines[7]->GetLabel());
}

} // namespace

TEST(AboutDialog, ShowsNameVersionNoticeCreditAndLinkInOrder)
{
    boost::shared_ptr<loc::CLocalStrings> strings = boost::make_shared<loc::CLocalStrings>();
    strings->SetLanguage(wxS("en"));
    CAboutDialog dialog(strings, nullptr, wxID_ANY, strings->GetString(25));
    EXPECT_EQ(wxS("About Vellomar"), dialog.GetTitle());
    EXPECT_EQ(wxS("dialog"), dialog.GetName());
    ExpectLinesOf(*strings, dialog);
    const std::vector<wxWindow*> lines = Lines(dialog);
    EXPECT_EQ(wxS("\nVellomar 1.9.4.2144\n"), lines[0]->GetLabel());
    EXPECT_TRUE(lines[1]->GetLabel().EndsWith(wxS(". All rights reserved.")));
    EXPECT_EQ(wxS("For more information, visit our website:"), lines[5]->GetLabel());
}

TEST(AboutDialog, TheTitleLineAndTheLinkAreBoldTheOthersNormal)
{
    boost::shared_ptr<loc::CLocalStrings> strings = boost::make_shared<loc::CLocalStrings>();
    CAboutDialog dialog(strings, nullptr, wxID_ANY, strings->GetString(25));
    const std::vector<wxWindow*> lines = Lines(dialog);
    ASSERT_EQ(8u, lines.size());
    EXPECT_EQ(wxFONTWEIGHT_BOLD, lines[0]->GetFont().GetWeight());
    EXPECT_EQ(wxFONTWEIGHT_NORMAL, lines[1]->GetFont().GetWeight());
    EXPECT_EQ(wxFONTWEIGHT_NORMAL, lines[5]->GetFont().GetWeight());
    EXPECT_EQ(wxFONTWEIGHT_BOLD, lines[6]->GetFont().GetWeight());
    EXPECT_EQ(wxFONTWEIGHT_NORMAL, lines[7]->GetFont().GetWeight());
}

TEST(AboutDialog, InGermanTheLinesFollowTheLanguageAndTheMissingNoticeIsEnglish)
{
    boost::shared_ptr<loc::CLocalStrings> english = boost::make_shared<loc::CLocalStrings>();
    english->SetLanguage(wxS("en"));
    boost::shared_ptr<loc::CLocalStrings> german = boost::make_shared<loc::CLocalStrings>();
    german->SetLanguage(wxS("de"));
    ASSERT_NE(english->GetString(37), german->GetString(37));

    CAboutDialog dialog(german, nullptr, wxID_ANY, german->GetString(25));
    EXPECT_EQ(german->GetString(25), dialog.GetTitle());
    ExpectLinesOf(*german, dialog);
    const std::vector<wxWindow*> lines = Lines(dialog);
    EXPECT_EQ(english->GetString(36) + wxS(". ") + german->GetString(37) + wxS("."), lines[1]->GetLabel());
    EXPECT_EQ(wxS("\nVellomar 1.9.4.2144\n"), lines[0]->GetLabel());
    EXPECT_NE(english->GetString(40), lines[5]->GetLabel());
}

TEST(AboutDialog, TheOkButtonEndsTheModalLoop)
{
    boost::shared_ptr<loc::CLocalStrings> strings = boost::make_shared<loc::CLocalStrings>();
    CAboutDialog dialog(strings, nullptr, wxID_ANY, strings->GetString(25));
    dialog.CallAfter([&dialog] {
        wxCommandEvent click(wxEVT_BUTTON, wxID_OK);
        click.SetEventObject(dialog.FindWindow(wxID_OK));
        dialog.GetEventHandler()->ProcessEvent(click);
    });
    EXPECT_EQ(wxID_OK, dialog.ShowModal());
}

TEST(AboutDialog, TheScreenShowsTheLinkInBlueAndTheOtherLinesNot)
{
    boost::shared_ptr<loc::CLocalStrings> strings = boost::make_shared<loc::CLocalStrings>();
    strings->SetLanguage(wxS("en"));
    CAboutDialog dialog(strings, nullptr, wxID_ANY, strings->GetString(25));
    dialog.Move(0, 0); // only the origin is placed reliably without a window manager
    dialog.Show();
    const std::string path = gui_test::SaveScreenshot(&dialog, "about_dialog");
    const std::vector<wxWindow*> lines = Lines(dialog);
    ASSERT_EQ(8u, lines.size());
    const wxColour blue(wxS("BLUE"));
    EXPECT_GT(gui_test::CountPixels(path, lines[6], blue), 20);
    EXPECT_EQ(0, gui_test::CountPixels(path, lines[0], blue, 60));
    EXPECT_EQ(0, gui_test::CountPixels(path, lines[1], blue, 60));
}
