// Tests of the program's own web link: URL and tooltip, browser command, clicks, copy, symbols.
#include "ui/HyperlinkCtrl.h"
#include "platform/gui/DefaultBrowser.h"
#include "support/GuiTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/ffile.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>
#include <wx/panel.h>
#include <wx/testing.h>
#include <wx/tooltip.h>

using vellomar::BuildBrowserCommand;
using vellomar::wxHyperlinkCtrl;
using vellomar::wxHyperlinkEvent;

namespace {

const wxString kUrl = wxS("http://www.example.org/");

// A frame with a panel that holds one link at a known place, recording the link events that
// reach the panel and the frame.
class LinkTest : public testing::Test {
protected:
    void SetUp() override
    {
        frame = new wxFrame(nullptr, wxID_ANY, wxS("link test"), wxPoint(0, 0), wxSize(400, 200));
        panel = new wxPanel(frame);
        link = new wxHyperlinkCtrl(panel, 4711, kUrl, wxPoint(30, 40), wxDefaultSize, 0, wxS("staticText"));
        frame->Show();
        gui_test::PumpEvents(50);
    }
    void TearDown() override
    {
        platform::SetDefaultBrowserCommand(wxString());
        frame->Destroy();
        gui_test::PumpEvents(20);
    }

    void SendMouse(wxEventType type, int x, int y)
    {
        wxMouseEvent event(type);
        event.SetEventObject(link);
        event.SetId(link->GetId());
        event.m_x = x;
        event.m_y = y;
        link->GetEventHandler()->ProcessEvent(event);
    }

    wxFrame* frame = nullptr;
    wxPanel* panel = nullptr;
    wxHyperlinkCtrl* link = nullptr;
};

// A scratch directory with a stand-in browser that writes its last argument (the link) into a file.
struct TFakeBrowser {
    TFakeBrowser()
    {
        char name[] = "/tmp/vellomar-browser-XXXXXX";
        dir = wxString::FromUTF8(mkdtemp(name));
        script = dir + wxS("/browser");
        output = dir + wxS("/opened.txt");
        wxFFile file(script, wxS("w"));
        file.Write(wxS("#!/bin/sh\nfor a; do last=$a; done\n"
                       "printf '%s' \"$last\" > \"$(dirname \"$0\")/opened.tmp\"\n"
                       "mv \"$(dirname \"$0\")/opened.tmp\" \"$(dirname \"$0\")/opened.txt\"\n"));
        file.Close();
        wxFileName(script).SetPermissions(wxPOSIX_USER_READ | wxPOSIX_USER_WRITE | wxPOSIX_USER_EXECUTE);
    }
    ~TFakeBrowser() { wxFileName::Rmdir(dir, wxPATH_RMDIR_RECURSIVE); }
    // What the browser received, waiting up to five seconds for it to run.
    wxString Opened() const
    {
        for (int i = 0; i < 100 && !wxFileExists(output); ++i)
            gui_test::PumpEvents(50);
        wxString text;
        wxFFile file(output);
        if (file.IsOpened())
            file.ReadAll(&text);
        return text;
    }
    wxString dir, script, output;
};

// Expects the launch error box and records what it says.
class CExpectLaunchError : public wxExpectModal<wxMessageDialog> {
public:
    CExpectLaunchError(wxString* message, wxString* title)
        : wxExpectModal<wxMessageDialog>(wxOK)
        , message(message)
        , title(title)
    {
    }

protected:
    int OnInvoked(wxMessageDialog* dialog) const override
    {
        *message = dialog->GetMessage();
        *title = dialog->GetTitle();
        return wxID_OK;
    }

private:
    wxString* message;
    wxString* title;
};

} // namespace

TEST(HyperlinkCommand, AQuotedPercentOneKeepsItsQuotesAroundTheQuotedUrl)
{
    EXPECT_EQ(wxS("\"C:\\Program Files\\Web\\web.exe\" -osint -url \"\"http://a.b/\"\""),
        BuildBrowserCommand(
            wxS("\"C:\\Program Files\\Web\\web.exe\" -osint -url \"%1\""), wxS("http://a.b/")));
}

TEST(HyperlinkCommand, EveryUnquotedPercentOneBecomesTheQuotedUrl)
{
    EXPECT_EQ(wxS("web \"u\" --again \"u\""), BuildBrowserCommand(wxS("web %1 --again %1"), wxS("u")));
}

TEST(HyperlinkCommand, WithoutPercentOneAQuotedProgramPathIsKeptWithoutItsOptions)
{
    EXPECT_EQ(wxS("\"C:\\Program Files\\Web\\web.exe\" \"http://a.b/\""),
        BuildBrowserCommand(wxS("  \"C:\\Program Files\\Web\\web.exe\" -nohome"), wxS("http://a.b/")));
}

TEST(HyperlinkCommand, WithoutPercentOneAnUnquotedTemplateIsCutAtItsFirstBlank)
{
    EXPECT_EQ(wxS("\"/usr/bin/web\" \"u\""), BuildBrowserCommand(wxS("/usr/bin/web -new-window"), wxS("u")));
}

TEST(HyperlinkCommand, ATemplateWithoutBlankIsTheWholeProgramPath)
{
    EXPECT_EQ(wxS("\"/usr/bin/web\" \"u\""), BuildBrowserCommand(wxS("/usr/bin/web"), wxS("u")));
}

TEST(HyperlinkCommand, AnUnclosedQuoteKeepsEverythingAfterIt)
{
    EXPECT_EQ(wxS("\"/opt/my web -x\" \"u\""), BuildBrowserCommand(wxS("\"/opt/my web -x"), wxS("u")));
}

TEST(HyperlinkCommand, AnEmptyTemplateGivesAnEmptyProgram)
{
    EXPECT_EQ(wxS("\"\" \"u\""), BuildBrowserCommand(wxString(), wxS("u")));
}

TEST(DefaultBrowser, IsTheDesktopOpenerUnlessACommandWasStored)
{
    const wxString opener = platform::DefaultBrowserCommand();
    if (!opener.empty()) {
        EXPECT_TRUE(opener.Contains(wxS("xdg-open")));
        EXPECT_TRUE(opener.Contains(wxS("%1")));
    }
    platform::SetDefaultBrowserCommand(wxS("true %1"));
    EXPECT_EQ(wxS("true %1"), platform::DefaultBrowserCommand());
    platform::SetDefaultBrowserCommand(wxString());
    EXPECT_EQ(opener, platform::DefaultBrowserCommand());
}

TEST_F(LinkTest, AnEmptyUrlMakesTheLabelTheUrlAndTheTooltip)
{
    EXPECT_EQ(kUrl, link->GetURL());
    EXPECT_EQ(kUrl, link->GetLabel());
    ASSERT_NE(nullptr, link->GetToolTip());
    EXPECT_EQ(kUrl, link->GetToolTip()->GetTip());
}

TEST_F(LinkTest, AGivenUrlIsTheTargetAndTheTooltipWhileTheLabelIsShown)
{
    wxHyperlinkCtrl* other = new wxHyperlinkCtrl(panel, wxID_ANY, wxS("Our site"), wxDefaultPosition,
        wxDefaultSize, 0, wxS("staticText"), wxS("http://other.example/"));
    EXPECT_EQ(wxS("http://other.example/"), other->GetURL());
    EXPECT_EQ(wxS("Our site"), other->GetLabel());
    EXPECT_EQ(wxS("http://other.example/"), other->GetToolTip()->GetTip());
}

TEST_F(LinkTest, ANewLinkIsBlueAndUnderlined)
{
    EXPECT_EQ(wxColour(wxS("BLUE")), link->GetForegroundColour());
    EXPECT_TRUE(link->GetFont().GetUnderlined());
    EXPECT_FALSE(link->IsVisited());
}

TEST_F(LinkTest, TheMouseOverTheLinkChangesNeitherColourNorFont)
{
    const wxFont before = link->GetFont();
    SendMouse(wxEVT_ENTER_WINDOW, 2, 2);
    SendMouse(wxEVT_MOTION, 3, 3);
    EXPECT_EQ(wxColour(wxS("BLUE")), link->GetForegroundColour());
    EXPECT_EQ(before, link->GetFont());
    SendMouse(wxEVT_LEAVE_WINDOW, 500, 500);
    EXPECT_EQ(wxColour(wxS("BLUE")), link->GetForegroundColour());
    EXPECT_EQ(before, link->GetFont());
}

TEST_F(LinkTest, ALeftClickOpensTheUrlInTheDefaultBrowserAndMarksTheLinkVisited)
{
    TFakeBrowser browser;
    platform::SetDefaultBrowserCommand(wxS("\"") + browser.script + wxS("\" -new-tab \"%1\""));
    SendMouse(wxEVT_LEFT_DOWN, 5, 5);
    SendMouse(wxEVT_LEFT_UP, 5, 5);
    EXPECT_EQ(kUrl, browser.Opened());
    EXPECT_TRUE(link->IsVisited());
    // The colour is recomputed only when hover effects are on, so the link stays blue.
    EXPECT_EQ(wxColour(wxS("BLUE")), link->GetForegroundColour());
}

TEST_F(LinkTest, ABrowserTemplateWithoutPercentOneGetsTheUrlAsItsArgument)
{
    TFakeBrowser browser;
    platform::SetDefaultBrowserCommand(browser.script + wxS(" -nohome"));
    SendMouse(wxEVT_LEFT_UP, 5, 5);
    EXPECT_EQ(kUrl, browser.Opened());
}

TEST_F(LinkTest, ABrowserThatCannotBeStartedIsReportedAndTheLinkStaysUsable)
{
    platform::SetDefaultBrowserCommand(wxS("\"/nonexistent/vellomar/browser\" \"%1\""));
    wxString message, title;
    wxTEST_DIALOG(SendMouse(wxEVT_LEFT_UP, 5, 5), CExpectLaunchError(&message, &title));
    EXPECT_EQ(wxS("Unable to launch default browser."), message);
    EXPECT_EQ(wxS("Hyperlink Error"), title);
    EXPECT_TRUE(link->IsVisited());

    TFakeBrowser browser;
    platform::SetDefaultBrowserCommand(browser.script + wxS(" %1"));
    SendMouse(wxEVT_LEFT_UP, 5, 5);
    EXPECT_EQ(kUrl, browser.Opened());
}

TEST_F(LinkTest, NoBrowserCommandAtAllIsReportedAsALaunchFailure)
{
    platform::SetDefaultBrowserCommand(wxS("   "));
    wxString message, title;
    bool started = true;
    wxTEST_DIALOG(started = wxHyperlinkCtrl::GotoURL(kUrl, wxString(), true, false),
        CExpectLaunchError(&message, &title));
    EXPECT_FALSE(started);
    EXPECT_EQ(wxS("Unable to launch default browser."), message);
}

TEST_F(LinkTest, AFailureIsSilentWhenErrorsAreNotReported)
{
    platform::SetDefaultBrowserCommand(wxS("/nonexistent/vellomar/browser %1"));
    // No dialog is expected: an unexpected one fails the test.
    wxTestingModalHook hook(__FILE__, __LINE__, __WXFUNCTION__);
    EXPECT_FALSE(wxHyperlinkCtrl::GotoURL(kUrl, wxString(), false, false));
    hook.CheckUnmetExpectations();
}

TEST_F(LinkTest, AGivenBrowserThatCannotBeStartedHasItsOwnMessage)
{
    wxString message, title;
    wxTEST_DIALOG(wxHyperlinkCtrl::GotoURL(kUrl, wxS("/nonexistent/vellomar/browser"), true, false),
        CExpectLaunchError(&message, &title));
    EXPECT_EQ(wxS("Unable to launch specified browser."), message);
}

TEST_F(LinkTest, AMiddleClickSendsItsEventWithParentCoordinatesAndLeavesTheLinkUnvisited)
{
    std::vector<wxHyperlinkEvent> atPanel;
    int atFrame = 0;
    panel->Bind(vellomar::wxEVT_HYPERLINK_MIDDLE, [&](wxHyperlinkEvent& event) {
        atPanel.push_back(event);
        event.Skip();
    });
    frame->Bind(vellomar::wxEVT_HYPERLINK_MIDDLE, [&](wxHyperlinkEvent&) { ++atFrame; });

    SendMouse(wxEVT_MIDDLE_DOWN, 7, 3);
    EXPECT_TRUE(atPanel.empty());
    SendMouse(wxEVT_MIDDLE_UP, 7, 3);

    ASSERT_EQ(1u, atPanel.size());
    EXPECT_EQ(link->GetPosition().x + 7, atPanel[0].x);
    EXPECT_EQ(link->GetPosition().y + 3, atPanel[0].y);
    EXPECT_EQ(37, atPanel[0].x);
    EXPECT_EQ(43, atPanel[0].y);
    EXPECT_EQ(4711, atPanel[0].GetId());
    EXPECT_EQ(link, atPanel[0].GetEventObject());
    EXPECT_EQ(1, atFrame) << "a command event travels on up from the parent";
    EXPECT_FALSE(link->IsVisited());
}

TEST(HyperlinkEvent, StartsAtTheOriginAndItsCloneKeepsThePosition)
{
    wxHyperlinkEvent event(vellomar::wxEVT_HYPERLINK_LEFT, 12);
    EXPECT_EQ(0, event.x);
    EXPECT_EQ(0, event.y);
    event.x = 5;
    event.y = -9;
    std::unique_ptr<wxEvent> copy(event.Clone());
    wxHyperlinkEvent* clone = dynamic_cast<wxHyperlinkEvent*>(copy.get());
    ASSERT_NE(nullptr, clone);
    EXPECT_EQ(5, clone->x);
    EXPECT_EQ(-9, clone->y);
    EXPECT_EQ(12, clone->GetId());
    EXPECT_EQ(vellomar::wxEVT_HYPERLINK_LEFT, clone->GetEventType());
    EXPECT_NE(vellomar::wxEVT_HYPERLINK_LEFT, vellomar::wxEVT_HYPERLINK_MIDDLE);
    EXPECT_NE(vellomar::wxEVT_HYPERLINK_MIDDLE, vellomar::wxEVT_HYPERLINK_RIGHT);
}

TEST_F(LinkTest, CopyPutsTheUrlOnTheClipboard)
{
    if (wxTheClipboard->Open()) {
        wxTheClipboard->SetData(new wxTextDataObject(wxS("something else")));
        wxTheClipboard->Close();
    }
    wxCommandEvent copy(wxEVT_MENU, wxHyperlinkCtrl::ID_COPY);
    copy.SetEventObject(link);
    link->GetEventHandler()->ProcessEvent(copy);

    wxTextDataObject data;
    ASSERT_TRUE(wxTheClipboard->Open());
    const bool got = wxTheClipboard->GetData(data);
    wxTheClipboard->Close();
    ASSERT_TRUE(got);
    EXPECT_EQ(kUrl, data.GetText());
    EXPECT_FALSE(link->IsVisited());
}

TEST(HyperlinkSymbols, TheToolkitsClassInfoIsNotReplacedByOurs)
{
    // Ours has no class info of its own, so the toolkit's registered "wxHyperlinkCtrl" stays the
    // toolkit's control and ours reports itself as a static text.
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, wxS("info"));
    wxHyperlinkCtrl* link = new wxHyperlinkCtrl(frame, wxID_ANY, kUrl);
    EXPECT_STREQ(wxS("wxStaticText"), link->GetClassInfo()->GetClassName());
    const wxClassInfo* toolkit = wxClassInfo::FindClass(wxS("wxHyperlinkCtrl"));
    if (toolkit) {
        EXPECT_NE(toolkit, link->GetClassInfo());
        EXPECT_STREQ(wxS("wxHyperlinkCtrl"), toolkit->GetClassName());
    }
    frame->Destroy();
}

TEST(HyperlinkSymbols, TheProgramDefinesNoSymbolOfTheToolkitsLinkClasses)
{
    // Same-named definitions in the program would interpose on the toolkit library's own.
    FILE* pipe
        = popen(("nm -C --defined-only /proc/" + std::to_string(getpid()) + "/exe 2>/dev/null").c_str(), "r");
    ASSERT_NE(nullptr, pipe);
    std::string all;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        all.append(buffer, n);
    const int status = pclose(pipe);
    if (status != 0 || all.empty())
        GTEST_SKIP() << "nm is not available";
    EXPECT_NE(std::string::npos, all.find("vellomar::wxHyperlinkCtrl::GotoURL"));
    size_t lineStart = 0;
    while (lineStart < all.size()) {
        const size_t lineEnd = std::min(all.find('\n', lineStart), all.size());
        const std::string line = all.substr(lineStart, lineEnd - lineStart);
        // Symbol names start after "address type "; those of ours all begin with "vellomar::".
        const size_t name = line.find(' ', line.find(' ') + 1);
        if (name != std::string::npos) {
            const std::string symbol = line.substr(name + 1);
            EXPECT_NE(0u, symbol.rfind("wxHyperlinkCtrl::", 0)) << symbol;
            EXPECT_NE(0u, symbol.rfind("wxHyperlinkEvent::", 0)) << symbol;
            EXPECT_EQ(std::string::npos, symbol.find(" wxHyperlinkCtrl::")) << symbol;
        }
        lineStart = lineEnd + 1;
    }
}
