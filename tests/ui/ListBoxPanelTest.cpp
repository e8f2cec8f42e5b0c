// The file list page in a real frame: adding, moving, removing, clearing, dropping, and its events.
#include "ui/ListBoxPanel.h"
#include "support/GuiTestSupport.h"
#include "ui/MaskedBitmap.h"

#include <gtest/gtest.h>
#include <wx/bmpbuttn.h>
#include <wx/listbox.h>
#include <wx/settings.h>

using namespace gui_test;

namespace {

class FileListPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new CHostFrame;
        page = new CListBoxPanel(frame, Strings());
        frame->Host(page);
        list = page->GetListBox();
    }
    void TearDown() override
    {
        frame->Destroy();
        PumpEvents(20);
    }

    wxWindow* Button(int id) { return page->FindWindow(id); }
    void Press(int id)
    {
        wxCommandEvent event(wxEVT_BUTTON, id);
        event.SetEventObject(Button(id));
        Button(id)->GetEventHandler()->ProcessEvent(event);
    }
    std::vector<wxString> Entries()
    {
        std::vector<wxString> entries;
        for (unsigned i = 0; i < page->GetFileCount(); ++i)
            entries.push_back(page->GetFile(i));
        return entries;
    }
    void Drop(std::initializer_list<const char*> names)
    {
        wxString* files = new wxString[names.size()];
        int n = 0;
        for (const char* name : names)
            files[n++] = name;
        wxDropFilesEvent event(wxEVT_DROP_FILES, n, files);
        event.SetEventObject(page);
        page->GetEventHandler()->ProcessEvent(event);
    }
    bool ButtonsEnabled(bool expected)
    {
        for (int id = CListBoxPanel::ID_MOVE_UP; id <= CListBoxPanel::ID_CLEAR; ++id)
            if (Button(id)->IsEnabled() != expected)
                return false;
        return true;
    }
    void Fill(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            page->AddFile(name);
        frame->events.clear();
    }

    CHostFrame* frame = nullptr;
    CListBoxPanel* page = nullptr;
    wxListBox* list = nullptr;
};

} // namespace

TEST_F(FileListPage, StartsEmptyWithButtonsDisabledAndBitmapsLoaded)
{
    EXPECT_EQ(0u, page->GetFileCount());
    EXPECT_TRUE(ButtonsEnabled(false));
    EXPECT_TRUE(page->IsEnabled());
    for (int id = CListBoxPanel::ID_MOVE_UP; id <= CListBoxPanel::ID_CLEAR; ++id) {
        wxBitmapButton* button = dynamic_cast<wxBitmapButton*>(Button(id));
        ASSERT_NE(nullptr, button);
        EXPECT_TRUE(button->GetBitmapLabel().IsOk()) << id;
    }
    EXPECT_EQ("Move up", Button(CListBoxPanel::ID_MOVE_UP)->GetLabel());
    EXPECT_EQ("Clear all", Button(CListBoxPanel::ID_CLEAR)->GetLabel());
    EXPECT_EQ("Audiobook MP3 Files", list->GetLabel());
}

TEST_F(FileListPage, ResourceBitmapsAreFoundWhateverTheCaseAndWhiteIsTransparent)
{
    const wxBitmap bitmap = LoadMaskedBitmap("BUTTON_UP");
    ASSERT_TRUE(bitmap.IsOk());
    EXPECT_EQ(24, bitmap.GetWidth());
    EXPECT_NE(nullptr, bitmap.GetMask());
    EXPECT_FALSE(LoadMaskedBitmap("no_such_bitmap").IsOk());
}

TEST_F(FileListPage, AddingToAnEmptyListAppendsSelectsAndEnablesTheButtons)
{
    page->AddFile("/books/x.mp3");
    EXPECT_EQ(std::vector<wxString>({ "/books/x.mp3" }), Entries());
    EXPECT_EQ(0, list->GetSelection());
    EXPECT_TRUE(ButtonsEnabled(true));
    ASSERT_EQ(1u, frame->events.size());
    EXPECT_EQ(wxEVT_FILE_LIST_CHANGED, frame->events[0].type);
    EXPECT_EQ("/books/x.mp3", frame->events[0].text);
    EXPECT_EQ(1, frame->events[0].number);
    EXPECT_EQ(page, frame->events[0].object);
    EXPECT_EQ(page->GetId(), frame->events[0].id);
}

TEST_F(FileListPage, OnlyNamesEndingInMp3InAnyCaseAreAdded)
{
    page->AddFile("x.mp3");
    page->AddFile("A.MP3");
    page->AddFile("b.Mp3");
    page->AddFile(".mp3");
    page->AddFile("a.wav");
    page->AddFile("mp3");
    page->AddFile("");
    EXPECT_EQ(std::vector<wxString>({ "x.mp3", "A.MP3", "b.Mp3" }), Entries());
    EXPECT_EQ(3u, frame->events.size());
}

TEST_F(FileListPage, AddingInsertsAfterTheSelectionAndKeepsCallOrder)
{
    Fill({ "1.mp3", "2.mp3", "3.mp3" });
    list->SetSelection(1);
    page->AddFile("new1.mp3");
    EXPECT_EQ(2, list->GetSelection());
    page->AddFile("new2.mp3");
    page->AddFile("new3.mp3");
    EXPECT_EQ(
        std::vector<wxString>({ "1.mp3", "2.mp3", "new1.mp3", "new2.mp3", "new3.mp3", "3.mp3" }), Entries());
    EXPECT_EQ(4, list->GetSelection());
}

TEST_F(FileListPage, DuplicatesAreKept)
{
    Fill({ "a.mp3", "a.mp3" });
    EXPECT_EQ(2u, page->GetFileCount());
}

TEST_F(FileListPage, MovingSwapsWithTheNeighbourAndTheSelectionFollows)
{
    Fill({ "a.mp3", "b.mp3", "c.mp3" });
    list->SetSelection(1);
    Press(CListBoxPanel::ID_MOVE_UP);
    EXPECT_EQ(std::vector<wxString>({ "b.mp3", "a.mp3", "c.mp3" }), Entries());
    EXPECT_EQ(0, list->GetSelection());
    Press(CListBoxPanel::ID_MOVE_DOWN);
    Press(CListBoxPanel::ID_MOVE_DOWN);
    EXPECT_EQ(std::vector<wxString>({ "a.mp3", "c.mp3", "b.mp3" }), Entries());
    EXPECT_EQ(2, list->GetSelection());
    ASSERT_EQ(3u, frame->events.size());
    for (const TRecordedEvent& event : frame->events) {
        EXPECT_EQ("", event.text);
        EXPECT_EQ(1, event.number);
    }
}

TEST_F(FileListPage, MovingPastTheEndsOrWithoutSelectionDoesNothing)
{
    Fill({ "a.mp3", "b.mp3" });
    list->SetSelection(0);
    Press(CListBoxPanel::ID_MOVE_UP);
    list->SetSelection(1);
    Press(CListBoxPanel::ID_MOVE_DOWN);
    list->SetSelection(wxNOT_FOUND);
    Press(CListBoxPanel::ID_MOVE_UP);
    Press(CListBoxPanel::ID_MOVE_DOWN);
    EXPECT_EQ(std::vector<wxString>({ "a.mp3", "b.mp3" }), Entries());
    EXPECT_TRUE(frame->events.empty());
}

TEST_F(FileListPage, RemovingSelectsTheSameIndexOrTheNewLastEntry)
{
    Fill({ "a.mp3", "b.mp3", "c.mp3" });
    list->SetSelection(1);
    EXPECT_EQ("b.mp3", page->RemoveSelected());
    EXPECT_EQ(1, list->GetSelection());
    EXPECT_EQ("c.mp3", page->RemoveSelected());
    EXPECT_EQ(0, list->GetSelection());
    ASSERT_EQ(2u, frame->events.size());
    EXPECT_EQ("b.mp3", frame->events[0].text);
    EXPECT_EQ(-1, frame->events[0].number);
    EXPECT_TRUE(ButtonsEnabled(true));
}

TEST_F(FileListPage, RemovingTheOnlyEntryLeavesNoSelectionAndDisablesTheButtons)
{
    Fill({ "a.mp3" });
    Press(CListBoxPanel::ID_REMOVE);
    EXPECT_EQ(0u, page->GetFileCount());
    EXPECT_EQ(wxNOT_FOUND, list->GetSelection());
    EXPECT_TRUE(ButtonsEnabled(false));
    ASSERT_EQ(1u, frame->events.size());
    EXPECT_EQ("a.mp3", frame->events[0].text);
}

TEST_F(FileListPage, RemovingWithoutSelectionReturnsNothingAndSendsNothing)
{
    Fill({ "a.mp3" });
    list->SetSelection(wxNOT_FOUND);
    EXPECT_EQ("", page->RemoveSelected());
    EXPECT_EQ(1u, page->GetFileCount());
    EXPECT_TRUE(frame->events.empty());
}

TEST_F(FileListPage, ClearingEmptiesTheListAndSaysSoEvenWhenEmpty)
{
    Fill({ "a.mp3", "b.mp3" });
    Press(CListBoxPanel::ID_CLEAR);
    EXPECT_EQ(0u, page->GetFileCount());
    EXPECT_TRUE(ButtonsEnabled(false));
    page->Clear();
    ASSERT_EQ(2u, frame->events.size());
    for (const TRecordedEvent& event : frame->events) {
        EXPECT_EQ("", event.text);
        EXPECT_EQ(-1, event.number);
    }
}

TEST_F(FileListPage, DroppedFilesAreAddedInNaturalOrderAfterTheSelection)
{
    Fill({ "first.mp3", "last.mp3" });
    list->SetSelection(1);
    Drop({ "b10.mp3", "b9.mp3", "a.mp3", "notes.txt" });
    EXPECT_EQ(std::vector<wxString>({ "first.mp3", "last.mp3", "a.mp3", "b9.mp3", "b10.mp3" }), Entries());
    EXPECT_EQ(4, list->GetSelection());
    ASSERT_EQ(3u, frame->events.size());
    EXPECT_EQ("a.mp3", frame->events[0].text);
    EXPECT_EQ("b10.mp3", frame->events[2].text);
}

TEST_F(FileListPage, DroppedTracksKeepTheirNumbersInOrder)
{
    Drop({ "/a/track10.mp3", "/a/track2.mp3", "/a/track1.mp3", "/a/track02b.mp3" });
    EXPECT_EQ(
        std::vector<wxString>({ "/a/track1.mp3", "/a/track2.mp3", "/a/track02b.mp3", "/a/track10.mp3" }),
        Entries());
}

TEST_F(FileListPage, FilesDroppedOnTheListItselfAreAddedToo)
{
    wxString* files = new wxString[1];
    files[0] = "dropped.mp3";
    wxDropFilesEvent event(wxEVT_DROP_FILES, 1, files);
    event.SetEventObject(list);
    list->GetEventHandler()->ProcessEvent(event);
    EXPECT_EQ(std::vector<wxString>({ "dropped.mp3" }), Entries());
}

TEST_F(FileListPage, DisabledPageCanBeEnabledAgain)
{
    page->DisablePanel();
    EXPECT_FALSE(page->IsEnabled());
    page->EnablePanel();
    EXPECT_TRUE(page->IsEnabled());
}

TEST_F(FileListPage, ClickingTheRemoveButtonRemovesTheSelectedFile)
{
    Fill({ "a.mp3", "b.mp3" });
    list->SetSelection(0);
    Click(Button(CListBoxPanel::ID_REMOVE));
    EXPECT_EQ(std::vector<wxString>({ "b.mp3" }), Entries());
}

TEST_F(FileListPage, Screenshot)
{
    Fill({ "/home/reader/Audiobooks/The Long Journey/track01.mp3",
        "/home/reader/Audiobooks/The Long Journey/track02.mp3",
        "/home/reader/Audiobooks/The Long Journey/track10.mp3" });
    const std::string path = SaveScreenshot(page, "file_list_page");
    // The last file added is the chosen one: its row shows the selection colour, the buttons do not.
    const wxColour selection = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT);
    EXPECT_GT(CountPixels(path, list, selection), 20);
    EXPECT_EQ(0, CountPixels(path, Button(CListBoxPanel::ID_REMOVE), selection));
}
