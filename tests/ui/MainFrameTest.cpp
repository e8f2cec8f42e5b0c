// Main window: toolbar, tabs, the two track-length sliders, shortcuts, dialogs and settings.
#include "support/GuiTestSupport.h"

#include "support/TestSupport.h"

#include "catalogue/LocalStrings.h"
#include "ui/AboutDialog.h"
#include "ui/HtmlDialog.h"
#include "ui/ID3TagPanel.h"
#include "ui/KeyEventProcessor.h"
#include "ui/ListBoxPanel.h"
#include "ui/MainFrame.h"
#include "ui/OptionsPanel.h"
#include "ui/SplitPanel.h"

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/fileconf.h>
#include <wx/filedlg.h>
#include <wx/imaglist.h>
#include <wx/listbox.h>
#include <wx/notebook.h>
#include <wx/progdlg.h>
#include <wx/slider.h>
#include <wx/stattext.h>
#include <wx/testing.h>
#include <wx/toolbar.h>
#include <wx/weakref.h>

namespace {

using gui_test::PumpEvents;

// The position of the first track length (in seconds) at or above the given one.
int PositionOf(CSplitPanel* page, int seconds)
{
    const int saved = page->GetTrackLengthPosition();
    int found = -1;
    for (int p = 0; p < CSplitPanel::TRACK_LENGTH_POSITIONS && found < 0; ++p) {
        page->SetTrackLengthPosition(p);
        if (page->GetTrackLength() == seconds)
            found = p;
    }
    page->SetTrackLengthPosition(saved);
    return found;
}

// Answers a help dialog with OK and remembers its title.
class CExpectHelp : public wxExpectModalBase<CHtmlDialog, CExpectHelp> {
public:
    explicit CExpectHelp(wxString* title)
        : title(title)
    {
    }

protected:
    int OnInvoked(CHtmlDialog* dialog) const override
    {
        *title = dialog->GetTitle();
        return wxID_OK;
    }

private:
    wxString* title;
};

// Chooses one file in the shown file dialog, as the native dialog only reports what it shows.
class CExpectFile : public wxExpectModalBase<wxFileDialog, CExpectFile> {
public:
    explicit CExpectFile(const wxString& path)
        : path(path)
    {
    }

protected:
    int OnInvoked(wxFileDialog* dialog) const override
    {
        dialog->Show();
        dialog->SetPath(path);
        wxArrayString chosen;
        for (int i = 0; i < 40 && chosen.empty(); ++i) {
            PumpEvents(50);
            dialog->GetPaths(chosen);
        }
        dialog->Hide();
        return wxID_OK;
    }

private:
    wxString path;
};

class MainFrameTest : public testing::Test {
protected:
    void SetUp() override
    {
        catalogue = gui_test::Strings();
        keys.reset(new CKeyEventProcessor);
        Open();
    }

    void TearDown() override
    {
        if (frame)
            Close();
    }

    void Open()
    {
        frame = new CMainFrame(&catalogue, keys, wxPoint(0, 0), wxDefaultSize);
        frame->Show();
        PumpEvents(150);
    }

    // Destroys the window the way closing it does (its destructor writes the settings).
    void Close()
    {
        wxWeakRef<CMainFrame> alive(frame);
        frame->Close();
        for (int i = 0; i < 100 && alive; ++i)
            PumpEvents(10);
        frame = nullptr;
    }

    wxString Status() const { return frame->GetStatusBar()->GetStatusText(0); }
    wxSlider* PageSlider() const
    {
        return static_cast<wxSlider*>(frame->GetSplitPage()->FindWindow(CSplitPanel::ID_TRACK_LENGTH));
    }
    bool SplitEnabled() const { return frame->GetToolBar()->GetToolEnabled(CMainFrame::ID_SPLIT); }
    wxArrayString Files() const
    {
        wxArrayString files;
        for (unsigned i = 0; i < frame->GetFileListPage()->GetFileCount(); ++i)
            files.Add(frame->GetFileListPage()->GetFile(i));
        return files;
    }
    void Key(int code) { keys->OnKeyDown(code), keys->OnKeyUp(code); }
    void CtrlKey(int code)
    {
        keys->OnKeyDown(WXK_CONTROL);
        keys->OnKeyDown(code);
        keys->OnKeyUp(code);
        keys->OnKeyUp(WXK_CONTROL);
    }
    void Command(int id)
    {
        wxCommandEvent event(wxEVT_TOOL, id);
        event.SetEventObject(frame->GetToolBar());
        frame->GetToolBar()->GetEventHandler()->ProcessEvent(event);
    }

    gui_test::CTempConfig settings;
    boost::shared_ptr<loc::CLocalStrings> catalogue;
    boost::shared_ptr<CKeyEventProcessor> keys;
    CMainFrame* frame = nullptr;
};

TEST_F(MainFrameTest, StartsWithTitleFourTabsWelcomeAndNoSplit)
{
    EXPECT_EQ("Vellomar", frame->GetTitle());
    wxNotebook* notebook = frame->GetNotebook();
    ASSERT_EQ(4u, notebook->GetPageCount());
    EXPECT_EQ("Audiobook MP3 Files", notebook->GetPageText(0));
    EXPECT_EQ("Split", notebook->GetPageText(1));
    EXPECT_EQ("ID3 Tag", notebook->GetPageText(2));
    EXPECT_EQ("Options", notebook->GetPageText(3));
    EXPECT_EQ(0, notebook->GetSelection());
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(i, notebook->GetPageImage(i));
    EXPECT_EQ("Welcome to Vellomar!", Status());
    EXPECT_EQ(1, frame->GetStatusBar()->GetFieldsCount());
    EXPECT_FALSE(SplitEnabled());
    EXPECT_FALSE(frame->IsSplitRunning());
}

TEST_F(MainFrameTest, ToolbarAndTabsHaveTheirPictures)
{
    wxToolBar* tools = frame->GetToolBar();
    const int ids[] = { CMainFrame::ID_ADD_FILES, CMainFrame::ID_SPLIT, CMainFrame::ID_HELP,
        CMainFrame::ID_ABOUT, CMainFrame::ID_QUIT };
    for (int id : ids) {
        const wxToolBarToolBase* tool = tools->FindById(id);
        ASSERT_TRUE(tool) << id;
        EXPECT_TRUE(tool->GetNormalBitmap().IsOk()) << id;
        EXPECT_EQ(48, tool->GetNormalBitmap().GetWidth()) << id;
        EXPECT_TRUE(tool->GetDisabledBitmap().IsOk()) << id;
    }
    EXPECT_EQ("Add Files", tools->GetToolShortHelp(CMainFrame::ID_ADD_FILES));
    EXPECT_EQ("Quits the program.", tools->GetToolLongHelp(CMainFrame::ID_QUIT));
    EXPECT_FALSE(tools->FindById(CMainFrame::ID_REMOVE_FILE));

    wxImageList* images = frame->GetNotebook()->GetImageList();
    ASSERT_TRUE(images);
    EXPECT_EQ(4, images->GetImageCount());
    int width = 0, height = 0;
    images->GetSize(0, width, height);
    EXPECT_EQ(32, width);
    EXPECT_EQ(32, height);
    EXPECT_GT(frame->GetIcons().GetIconCount(), 0u);
}

TEST_F(MainFrameTest, ToolbarSliderMovesThePageSliderAndShowsSeconds)
{
    const int p90 = PositionOf(frame->GetSplitPage(), 90);
    ASSERT_GE(p90, 0);
    gui_test::Scroll(frame->GetTrackLengthSlider(), p90);
    EXPECT_EQ(p90, PageSlider()->GetValue());
    EXPECT_EQ(p90, frame->GetSplitPage()->GetTrackLengthPosition());
    EXPECT_EQ(" 90 s ", frame->GetTrackLengthLabel()->GetLabel());
    EXPECT_EQ("Changed minimum track length to 90 seconds.", Status());
}

TEST_F(MainFrameTest, PageSliderMovesTheToolbarSliderAndShowsMinutes)
{
    const int p120 = PositionOf(frame->GetSplitPage(), 120);
    ASSERT_GE(p120, 0);
    gui_test::Scroll(PageSlider(), p120);
    EXPECT_EQ(p120, frame->GetTrackLengthSlider()->GetValue());
    EXPECT_EQ(" 2 min ", frame->GetTrackLengthLabel()->GetLabel());
    EXPECT_EQ("Changed minimum track length to 2 minutes.", Status());
}

TEST_F(MainFrameTest, AddedFilesEnableSplitAndNameTheTitle)
{
    frame->AddFile("/books/b/Chapter 2.mp3");
    frame->AddFile("/books/b/notes.txt");
    frame->AddFile("/books/b/Chapter 1.mp3");
    // Added after the selected entry, so the command line's order needs nothing else.
    ASSERT_EQ(2u, Files().size());
    EXPECT_EQ("/books/b/Chapter 2.mp3", Files()[0]);
    EXPECT_EQ("/books/b/Chapter 1.mp3", Files()[1]);
    EXPECT_TRUE(SplitEnabled());
    EXPECT_EQ("Added /books/b/Chapter 1.mp3.", Status());
    EXPECT_EQ("/books/b", frame->GetSourceDirectory());
    EXPECT_EQ(L"Chapter 2", frame->GetId3Page()->GetTagInfo().title);
}

TEST_F(MainFrameTest, RemovingTheLastFileDisablesSplitAndKeepsTheTitle)
{
    frame->AddFile("/books/Moby.mp3");
    ASSERT_TRUE(SplitEnabled());
    Key(WXK_DELETE);
    EXPECT_EQ(0u, Files().size());
    EXPECT_FALSE(SplitEnabled());
    EXPECT_EQ("Removed /books/Moby.mp3.", Status());
    EXPECT_EQ(L"Moby", frame->GetId3Page()->GetTagInfo().title);
}

TEST_F(MainFrameTest, DeleteRemovesOnlyOnTheFileListPage)
{
    frame->AddFile("/a/one.mp3");
    frame->AddFile("/a/two.mp3");
    frame->GetNotebook()->SetSelection(CMainFrame::ESplitPage);
    Key(WXK_DELETE);
    EXPECT_EQ(2u, Files().size());
    frame->GetNotebook()->SetSelection(CMainFrame::EOptionsPage);
    Key(WXK_DELETE);
    EXPECT_EQ(2u, Files().size());
    frame->GetNotebook()->SetSelection(CMainFrame::EFileListPage);
    Key(WXK_DELETE);
    ASSERT_EQ(1u, Files().size());
    EXPECT_EQ("/a/one.mp3", Files()[0]);
}

TEST_F(MainFrameTest, CtrlOSwitchesToTheFileListBeforeTheDialog)
{
    frame->GetNotebook()->SetSelection(CMainFrame::EId3Page);
    wxTEST_DIALOG(CtrlKey('O'), wxExpectModal<wxFileDialog>(wxString(), wxID_CANCEL));
    EXPECT_EQ(CMainFrame::EFileListPage, frame->GetNotebook()->GetSelection());
    EXPECT_EQ(0u, Files().size());
}

TEST_F(MainFrameTest, FileChosenInTheDialogIsAdded)
{
    testing_support::TempDir dir("mainframe");
    const std::string file = dir.File("Track 1.mp3");
    testing_support::WriteFileBytes(file, { 0xFF, 0xFB, 0x90, 0x00 });
    const wxString path = wxString::FromUTF8(file);
    wxTEST_DIALOG(Command(CMainFrame::ID_ADD_FILES), CExpectFile(path));
    ASSERT_EQ(1u, Files().size());
    EXPECT_EQ(path, Files()[0]);
}

TEST_F(MainFrameTest, FileListCannotChangeWhileASplitShowsItsProgress)
{
    frame->AddFile("/a/one.mp3");
    frame->CreateProgressDialog();
    ASSERT_TRUE(frame->IsSplitRunning());
    EXPECT_EQ("Splitting ...", Status());
    wxProgressDialog* progress = nullptr;
    for (wxWindow* child : frame->GetChildren())
        if (wxProgressDialog* p = dynamic_cast<wxProgressDialog*>(child))
            progress = p;
    ASSERT_TRUE(progress);
    EXPECT_EQ(static_cast<int>(frame->GetSize().GetWidth() * 0.8), progress->GetSize().GetWidth());

    Key(WXK_DELETE);
    CtrlKey('O'); // would block on the file dialog if it opened
    frame->AddFile("/a/two.mp3");
    EXPECT_EQ(1u, Files().size());
    frame->DestroyChild();
    EXPECT_FALSE(frame->IsSplitRunning());
    Key(WXK_DELETE);
    EXPECT_EQ(0u, Files().size());
}

TEST_F(MainFrameTest, HelpOpensFromTheToolbarAndFromF1)
{
    wxString title;
    wxTEST_DIALOG(Command(CMainFrame::ID_HELP), CExpectHelp(&title));
    EXPECT_EQ("Vellomar Help", title);
    title.clear();
    frame->GetNotebook()->SetSelection(CMainFrame::EOptionsPage);
    wxTEST_DIALOG(Key(WXK_F1), CExpectHelp(&title));
    EXPECT_EQ("Vellomar Help", title);
}

TEST_F(MainFrameTest, AboutOpensFromTheToolbar)
{
    wxTEST_DIALOG(Command(CMainFrame::ID_ABOUT), wxExpectDismissableModal<CAboutDialog>(wxID_OK));
}

TEST_F(MainFrameTest, QuitClosesTheWindow)
{
    wxWeakRef<CMainFrame> alive(frame);
    Command(CMainFrame::ID_QUIT);
    for (int i = 0; i < 100 && alive; ++i)
        PumpEvents(10);
    EXPECT_FALSE(alive);
    frame = nullptr;
}

TEST_F(MainFrameTest, SettingsWrittenAtCloseComeBackAtTheNextStart)
{
    Close();
    wxFileConfig& config = settings.Config();
    config.Write("/General/DestinationDirectory", "/dest/books");
    config.Write("/General/SourceDirectory", "/src/books");
    Open();
    EXPECT_EQ("/dest/books", frame->GetDestinationDirectory());
    EXPECT_EQ("/src/books", frame->GetSourceDirectory());

    frame->AddFile("/elsewhere/x.mp3");
    const int p90 = PositionOf(frame->GetSplitPage(), 90);
    gui_test::Scroll(frame->GetTrackLengthSlider(), p90);
    wxCheckBox* separately
        = static_cast<wxCheckBox*>(frame->GetOptionsPage()->FindWindow(COptionsPanel::ID_SPLIT_SEPARATELY));
    ASSERT_TRUE(separately);
    const bool wasSeparately = separately->GetValue();
    gui_test::Toggle(separately);
    Close();
    settings.Reload();

    EXPECT_EQ("/elsewhere", settings.Config().Read("/General/SourceDirectory", wxString()));
    EXPECT_EQ("/dest/books", settings.Config().Read("/General/DestinationDirectory", wxString()));
    EXPECT_EQ(p90, settings.Config().ReadLong("/SplitOptions/TrackLengthSlider", -1));
    EXPECT_EQ(catalogue->GetString(4), settings.Config().Read("/General/Version", wxString()));

    Open();
    EXPECT_EQ("/elsewhere", frame->GetSourceDirectory());
    EXPECT_EQ(p90, frame->GetTrackLengthSlider()->GetValue());
    EXPECT_EQ(" 90 s ", frame->GetTrackLengthLabel()->GetLabel());
    separately
        = static_cast<wxCheckBox*>(frame->GetOptionsPage()->FindWindow(COptionsPanel::ID_SPLIT_SEPARATELY));
    EXPECT_NE(wasSeparately, separately->GetValue());
}

TEST(MainFrameNames, IdThreeNameIsTheFileNameWithoutExtension)
{
    gui_test::CTempConfig settings;
    boost::shared_ptr<loc::CLocalStrings> catalogue = gui_test::Strings();
    CMainFrame* frame = new CMainFrame(
        &catalogue, boost::shared_ptr<CKeyEventProcessor>(), wxDefaultPosition, wxDefaultSize);
    const auto title = [frame](const wxString& path) {
        frame->SetNamesFromFile(path);
        return wxString(frame->GetId3Page()->GetTagInfo().title);
    };
    EXPECT_EQ("a", title("C:/books/a.mp3"));
    EXPECT_EQ("b", title("C:\\books\\b.mp3"));
    EXPECT_EQ("x.mp", title("/books/x.mp"));
    EXPECT_EQ("Part.One", title("Part.One.mp3"));
    delete frame;
}

TEST(ForbiddenChars, EachBecomesOneBlank)
{
    EXPECT_EQ("a b c", ReplaceForbiddenChars("a*b?c"));
    // A slash would make the title a path.
    EXPECT_EQ("AC DC", ReplaceForbiddenChars("AC/DC"));
    EXPECT_EQ("", ReplaceForbiddenChars(""));
    EXPECT_EQ("Book 1: Start", ReplaceForbiddenChars("Book 1: Start"));
}

} // namespace
