// The four pages in a notebook, as the main window holds them: their events reach the frame.
#include "support/GuiTestSupport.h"
#include "ui/ID3TagPanel.h"
#include "ui/ListBoxPanel.h"
#include "ui/OptionsPanel.h"
#include "ui/SplitPanel.h"

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/listbox.h>
#include <wx/notebook.h>
#include <wx/settings.h>
#include <wx/slider.h>

using namespace gui_test;

namespace {

class NotebookPages : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new CHostFrame;
        notebook = new wxNotebook(frame, 13);
        fileList = new CListBoxPanel(notebook, Strings());
        split = new CSplitPanel(notebook, Strings());
        id3 = new CID3TagPanel(notebook, Strings());
        options = new COptionsPanel(notebook, Strings());
        notebook->AddPage(fileList, "Audiobook MP3 Files", true);
        notebook->AddPage(split, "Split");
        notebook->AddPage(id3, "ID3 Tag");
        notebook->AddPage(options, "Options");
        id3->SetForceProposals(options->GetSplitAllFilesSeparately());
        frame->Host(notebook);
        frame->events.clear();
    }
    void TearDown() override
    {
        frame->Destroy();
        PumpEvents(20);
    }

    CHostFrame* frame = nullptr;
    wxNotebook* notebook = nullptr;
    CListBoxPanel* fileList = nullptr;
    CSplitPanel* split = nullptr;
    CID3TagPanel* id3 = nullptr;
    COptionsPanel* options = nullptr;
};

} // namespace

TEST_F(NotebookPages, EveryPageReportsToTheFrameAtOnce)
{
    fileList->AddFile("/books/one.mp3");
    ASSERT_EQ(1u, frame->events.size());
    EXPECT_EQ(wxEVT_FILE_LIST_CHANGED, frame->events[0].type);

    Scroll(split->FindWindow(CSplitPanel::ID_TRACK_LENGTH), 20);
    ASSERT_EQ(2u, frame->events.size());
    EXPECT_EQ(TRACK_LENGTH_EVENT_ID, frame->events[1].id);
    EXPECT_EQ(20, frame->events[1].number);

    Toggle(dynamic_cast<wxCheckBox*>(options->FindWindow(COptionsPanel::ID_SPLIT_SEPARATELY)));
    ASSERT_EQ(3u, frame->events.size());
    EXPECT_EQ(wxEVT_OPTIONS_CHANGED, frame->events[2].type);
}

TEST_F(NotebookPages, ScreenshotsShowTheChosenFileAndTheTickedBoxesOfEachPage)
{
    fileList->AddFile("/home/reader/Audiobooks/track1.mp3");
    id3->SetFileName("track1");
    // On each page one control shows the toolkit's selection colour (the chosen file, a ticked
    // box) and one beside it does not (a button, an unticked box, a field).
    struct TShot {
        const char* name;
        wxWindow* marked;
        wxWindow* plain;
    };
    const TShot shots[] = {
        { "notebook_file_list", fileList->GetListBox(), fileList->FindWindow(CListBoxPanel::ID_REMOVE) },
        { "notebook_split", split->FindWindow(CSplitPanel::ID_SILENCE_DETECTION),
            split->FindWindow(CSplitPanel::ID_INSERT_SILENCE) },
        { "notebook_id3", id3->FindWindow(CID3TagPanel::ID_DEFAULT_SETTINGS),
            id3->FindWindow(CID3TagPanel::ID_TITLE) },
        { "notebook_options", options->FindWindow(COptionsPanel::ID_CREATE_PLAYLIST),
            options->FindWindow(COptionsPanel::ID_SAVE_SETTINGS) },
    };
    const wxColour selection = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT);
    for (size_t page = 0; page < notebook->GetPageCount(); ++page) {
        notebook->SetSelection(page);
        const std::string path = SaveScreenshot(notebook, shots[page].name);
        EXPECT_GT(CountPixels(path, shots[page].marked, selection), 20) << shots[page].name;
        EXPECT_EQ(0, CountPixels(path, shots[page].plain, selection)) << shots[page].name;
    }
}
