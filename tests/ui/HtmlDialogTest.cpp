// Tests of the help dialog: the page wrapper's colours, web links to the browser, select all.
#include "ui/HtmlDialog.h"
#include "catalogue/LocalStrings.h"
#include "support/GuiTestSupport.h"
#include "ui/HtmlWindow.h"

#include <gtest/gtest.h>

#include <vector>
#include <wx/button.h>
#include <wx/ffile.h>
#include <wx/filename.h>

namespace {

// Records web links instead of starting a browser, for the life of the object.
struct TBrowserRecorder {
    TBrowserRecorder()
    {
        CHtmlWindow::SetBrowserLauncher([this](const wxString& url) {
            opened.push_back(url);
            return true;
        });
    }
    ~TBrowserRecorder() { CHtmlWindow::SetBrowserLauncher(CHtmlWindow::TBrowserLauncher()); }
    std::vector<wxString> opened;
};

// The help text as the main window builds it.
wxString HelpBody(const loc::CLocalStrings& text)
{
    return wxS("<h4><b>") + text.GetString(1) + wxS(" ") + text.GetString(3) + wxS("</b></h4>")
        + text.GetString(36) + wxS("<br><br><a href=\"") + text.GetString(83) + wxS("\">")
        + text.GetString(83) + wxS("</a>") + text.GetString(91);
}

class HtmlDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        dialog = new CHtmlDialog(wxS("<p>First page</p><a href=\"http://www.example.org/\">site</a>"),
            nullptr, wxID_ANY, wxS("Vellomar Help"), wxDefaultPosition, wxSize(500, 400),
            wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER);
        html = dialog->GetHtmlWindow();
    }
    void TearDown() override
    {
        dialog->Destroy();
        gui_test::PumpEvents(20);
    }

    CHtmlDialog* dialog = nullptr;
    CHtmlWindow* html = nullptr;
};

} // namespace

TEST(ColourToHtml, GivesTwoUpperCaseDigitsPerByteWithoutHash)
{
    EXPECT_EQ(wxS("FF0800"), ColourToHtml(wxColour(255, 8, 0)));
    EXPECT_EQ(wxS("0000FF"), ColourToHtml(wxColour(0, 0, 255)));
    EXPECT_EQ(wxS("0A0B0C"), ColourToHtml(wxColour(10, 11, 12)));
    EXPECT_EQ(wxS("ABCDEF"), ColourToHtml(wxColour(0xAB, 0xCD, 0xEF)));
}

TEST(HtmlPage, ABlueBackgroundAndBlackTextGiveTheirColoursInOrder)
{
    EXPECT_EQ(wxS("<html><body bgcolor=\"#0000FF\" text=\"#000000\" link=\"#000000\" >Hello</html>"),
        CHtmlDialog::WrapPage(wxS("Hello"), wxColour(0, 0, 255), *wxBLACK));
}

TEST(HtmlPage, AnEmptyBodyIsStillAValidPage)
{
    EXPECT_EQ(wxS("<html><body bgcolor=\"#FFFFFF\" text=\"#102030\" link=\"#102030\" ></html>"),
        CHtmlDialog::WrapPage(wxString(), *wxWHITE, wxColour(0x10, 0x20, 0x30)));
    CHtmlDialog dialog(wxString(), nullptr, wxID_ANY, wxS("empty"), wxDefaultPosition, wxSize(300, 200));
    EXPECT_TRUE(dialog.GetHtmlWindow()->ToText().Trim().empty());
}

TEST_F(HtmlDialogTest, ThePageTakesTheDialogsColours)
{
    EXPECT_EQ(ColourToHtml(dialog->GetBackgroundColour()), ColourToHtml(html->GetBackgroundColour()));
    EXPECT_TRUE(html->ToText().Contains(wxS("First page")));
}

TEST_F(HtmlDialogTest, OnlyLowerCaseHttpLinksGoToTheBrowserAndLeaveThePageAlone)
{
    TBrowserRecorder browser;
    const wxString before = html->ToText();
    html->OnLinkClicked(wxHtmlLinkInfo(wxS("http://www.example.org/page")));
    ASSERT_EQ(1u, browser.opened.size());
    EXPECT_EQ(wxS("http://www.example.org/page"), browser.opened[0]);
    EXPECT_EQ(before, html->ToText());

    html->OnLinkClicked(wxHtmlLinkInfo(wxS("HTTP://www.example.org/")));
    html->OnLinkClicked(wxHtmlLinkInfo(wxS("Http://www.example.org/")));
    html->OnLinkClicked(wxHtmlLinkInfo(wxS("https://www.example.org/")));
    EXPECT_EQ(1u, browser.opened.size());
}

TEST_F(HtmlDialogTest, OtherLinksAreFollowedInsideTheWindow)
{
    TBrowserRecorder browser;
    const wxString path = wxFileName::CreateTempFileName(wxS("vellomar-help")) + wxS(".html");
    {
        wxFFile file(path, wxS("w"));
        file.Write(wxS("<html><body><p>Second page</p></body></html>"));
    }
    html->OnLinkClicked(wxHtmlLinkInfo(wxFileName::FileNameToURL(wxFileName(path))));
    EXPECT_TRUE(html->ToText().Contains(wxS("Second page")));
    EXPECT_TRUE(browser.opened.empty());
    wxRemoveFile(path);
}

TEST_F(HtmlDialogTest, SelectAllSelectsTheWholePage)
{
    EXPECT_TRUE(html->SelectionToText().empty());
    wxCommandEvent selectAll(wxEVT_MENU, CHtmlDialog::ID_SELECT_ALL);
    dialog->GetEventHandler()->ProcessEvent(selectAll);
    EXPECT_TRUE(html->SelectionToText().Contains(wxS("First page")));
    EXPECT_TRUE(html->SelectionToText().Contains(wxS("site")));
}

TEST_F(HtmlDialogTest, TheOkButtonEndsTheModalLoop)
{
    dialog->CallAfter([this] {
        wxWindow* ok = dialog->FindWindow(wxID_OK);
        ASSERT_NE(nullptr, ok);
        wxCommandEvent click(wxEVT_BUTTON, wxID_OK);
        click.SetEventObject(ok);
        ok->GetEventHandler()->ProcessEvent(click);
    });
    EXPECT_EQ(wxID_OK, dialog->ShowModal());
}

TEST(HtmlDialogScreenshot, TheHelpPageAsTheMainWindowShowsIt)
{
    const loc::CLocalStrings& text = *gui_test::Strings();
    CHtmlDialog dialog(HelpBody(text), nullptr, wxID_ANY, text.GetString(90), wxDefaultPosition,
        wxSize(int(700 * 1.3), int(560 * 1.3)), wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxRESIZE_BORDER);
    dialog.Move(0, 0); // only the origin is placed reliably without a window manager
    dialog.Show();
    const std::string path = gui_test::SaveScreenshot(&dialog, "help_dialog");
    EXPECT_TRUE(wxFileExists(path));
    EXPECT_TRUE(dialog.GetHtmlWindow()->ToText().Contains(text.GetString(83)));
}
