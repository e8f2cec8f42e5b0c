// Whole split runs driven from the main window: directories, parts, tags, playlists, cancel, close.
#include "support/GuiTestSupport.h"
#include "support/MainFrameHarness.h"
#include "support/TestSupport.h"

#include "engine/LogStore.h"
#include "ui/ID3TagPanel.h"
#include "ui/ListBoxPanel.h"
#include "ui/MainFrame.h"
#include "ui/OptionsPanel.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/progdlg.h>
#include <wx/time.h>

using namespace gui_test;
using namespace testing_support;
namespace fs = std::filesystem;

namespace {

typedef std::vector<std::vector<unsigned char>> Frames;

const wxString kSuccess = "The audiobook was successfully split.";

// Copies a fixture into dir under a new name and returns the new path.
std::string CopyFixture(const std::string& fixture, const TempDir& dir, const std::string& name)
{
    const std::string path = dir.File(name);
    WriteFileBytes(path, ReadFileBytes(DataPath(fixture)));
    return path;
}

Frames FramesOfParts(const std::string& dir, const std::vector<std::string>& parts)
{
    Frames all;
    for (const std::string& p : parts) {
        const Frames f = AudioFramesOf(dir + "/" + p);
        all.insert(all.end(), f.begin(), f.end());
    }
    return all;
}

void ExpectSameFrames(const Frames& expected, const Frames& actual)
{
    ASSERT_EQ(expected.size(), actual.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        ASSERT_TRUE(expected[i] == actual[i]) << "frame " << i << " differs";
}

// The part number in a part name "<base> <number>.mp3" or "<number> <base>.mp3".
int PartNumber(const std::string& name, const std::string& base)
{
    std::string rest = name.substr(0, name.size() - 4);
    const std::size_t at = rest.find(base);
    if (at != std::string::npos)
        rest.erase(at, base.size());
    return std::atoi(rest.c_str());
}

std::string Text(const std::vector<unsigned char>& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

class SplitRun : public ::testing::Test {
protected:
    void SetUp() override { LogStore::Instance().Clear(); }
    // Starts the split with Ctrl+S and answers the success message that ends it.
    void SplitExpectingSuccess()
    {
        wxTEST_DIALOG(
            {
                window.PressShortcut(true, 'S');
                EXPECT_TRUE(window.WaitWhileRunning());
            },
            CExpectMessage(kSuccess, wxOK, wxICON_INFORMATION));
    }
    TempDir source { "splitrun" };
    CMainFrameHarness window;
};

} // namespace

TEST_F(SplitRun, AWholeRunWritesTheTitledSubDirectoryItsPartsTagsAndPlaylist)
{
    const std::string file = CopyFixture("split/cbr-mpeg1.mp3", source, "Speech Book.mp3");
    window.Frame()->AddFile(file);
    window.SetOption(COptionsPanel::ID_CREATE_SUB_DIR, true);
    window.SetOption(COptionsPanel::ID_DEFAULT_DST_IS_SRC_DIR, true);
    window.SetOption(COptionsPanel::ID_CREATE_PLAYLIST, true);

    SplitExpectingSuccess();

    EXPECT_TRUE(window.sawProgressDialog);
    EXPECT_EQ(kSuccess, window.StatusText());
    EXPECT_EQ(nullptr, CMainFrameHarness::FindProgressDialog());

    const std::string book = source.File("Speech Book");
    ASSERT_TRUE(fs::is_directory(book));
    const std::vector<std::string> parts = FilesIn(book, ".mp3");
    ASSERT_GE(parts.size(), 3u);
    ExpectSameFrames(AudioFramesOf(file), FramesOfParts(book, parts));
    for (std::size_t i = 0; i < parts.size(); ++i)
        EXPECT_EQ(int(i + 1), PartNumber(parts[i], "Speech Book")) << parts[i];

    const TId3TagInfo tags = window.Frame()->GetId3Page()->GetTagInfo();
    EXPECT_EQ(L"Speech Book", tags.title);
    for (const std::string& p : parts) {
        const std::string bytes = Text(ReadFileBytes(book + "/" + p));
        if (tags.WantsId3v2Tag()) {
            EXPECT_EQ("ID3", bytes.substr(0, 3)) << p;
            EXPECT_TRUE(bytes.find("Speech Book") != std::string::npos
                || bytes.find(std::string("S\0p\0e\0e\0c\0h\0 \0B\0o\0o\0k", 21)) != std::string::npos)
                << p;
        }
        if (tags.WantsId3v1Tag()) {
            EXPECT_EQ("TAG", bytes.substr(bytes.size() - 128, 3)) << p;
        }
    }
    EXPECT_EQ(parts, LinesOf(book + "/Speech Book.m3u"));
}

TEST_F(SplitRun, TheDirectoryDialogChoosesTheDestination)
{
    TempDir destination("splitdest");
    const std::string file = CopyFixture("split/vbr-mpeg1.mp3", source, "vbr book.mp3");
    window.Frame()->AddFile(file);
    window.SetOption(COptionsPanel::ID_CREATE_SUB_DIR, true);
    window.SetOption(COptionsPanel::ID_DEFAULT_DST_IS_SRC_DIR, false);

    wxTEST_DIALOG(
        {
            window.PressShortcut(true, 'S');
            EXPECT_TRUE(window.WaitWhileRunning());
        },
        CExpectDirectory(destination.Path()), CExpectMessage(kSuccess, wxOK, wxICON_INFORMATION));

    EXPECT_EQ(wxString(destination.Path()), window.Frame()->GetDestinationDirectory());
    const std::string book = destination.File("vbr book");
    const std::vector<std::string> parts = FilesIn(book, ".mp3");
    ASSERT_GE(parts.size(), 2u);
    ExpectSameFrames(AudioFramesOf(file), FramesOfParts(book, parts));
    EXPECT_EQ(parts, LinesOf(book + "/vbr book.m3u"));
    EXPECT_FALSE(fs::exists(source.File("vbr book")));
}

TEST_F(SplitRun, FilesSplitSeparatelyGetADirectoryAndPlaylistEachWithNumberingGoingOn)
{
    const std::string a = CopyFixture("split/cbr-mpeg1.mp3", source, "first.mp3");
    const std::string b = CopyFixture("split/vbr-mpeg1.mp3", source, "second.mp3");
    window.Frame()->AddFile(a);
    window.Frame()->AddFile(b);
    window.SetOption(COptionsPanel::ID_SPLIT_SEPARATELY, true);
    window.SetOption(COptionsPanel::ID_CREATE_SUB_DIR, true);
    window.SetOption(COptionsPanel::ID_DEFAULT_DST_IS_SRC_DIR, true);

    SplitExpectingSuccess();

    const std::vector<std::string> partsA = FilesIn(source.File("first"), ".mp3");
    const std::vector<std::string> partsB = FilesIn(source.File("second"), ".mp3");
    ASSERT_GE(partsA.size(), 2u);
    ASSERT_GE(partsB.size(), 2u);
    ExpectSameFrames(AudioFramesOf(a), FramesOfParts(source.File("first"), partsA));
    ExpectSameFrames(AudioFramesOf(b), FramesOfParts(source.File("second"), partsB));
    EXPECT_EQ(1, PartNumber(partsA.front(), "first"));
    EXPECT_EQ(int(partsA.size()) + 1, PartNumber(partsB.front(), "second"));
    EXPECT_EQ(partsA, LinesOf(source.File("first") + "/first.m3u"));
    EXPECT_EQ(partsB, LinesOf(source.File("second") + "/second.m3u"));
}

TEST_F(SplitRun, MergedFilesMakeOneStreamOfPartsInOneDirectory)
{
    const std::string a = CopyFixture("split/cbr-mpeg1.mp3", source, "book 1.mp3");
    const std::string b = CopyFixture("split/cbr-mpeg1.mp3", source, "book 2.mp3");
    window.Frame()->AddFile(a);
    window.Frame()->AddFile(b);
    window.SetOption(COptionsPanel::ID_SPLIT_SEPARATELY, false);
    window.SetOption(COptionsPanel::ID_MERGE_BEFORE_SPLIT, true);
    window.SetOption(COptionsPanel::ID_CREATE_SUB_DIR, true);
    window.SetOption(COptionsPanel::ID_DEFAULT_DST_IS_SRC_DIR, true);

    SplitExpectingSuccess();

    const std::string book = source.File("book 1");
    EXPECT_FALSE(fs::exists(source.File("book 2")));
    const std::vector<std::string> parts = FilesIn(book, ".mp3");
    Frames expected = AudioFramesOf(a);
    const Frames second = AudioFramesOf(b);
    expected.insert(expected.end(), second.begin(), second.end());
    ExpectSameFrames(expected, FramesOfParts(book, parts));
    for (std::size_t i = 0; i < parts.size(); ++i)
        EXPECT_EQ(int(i + 1), PartNumber(parts[i], "book 1")) << parts[i];
    EXPECT_EQ(parts, LinesOf(book + "/book 1.m3u"));
}

TEST_F(SplitRun, TheNotEmptyQuestionComesOncePerAudiobookDirectory)
{
    TempDir destination("splitdest");
    WriteFileBytes(destination.File(".hidden"), { 'x' });
    const std::string a = CopyFixture("split/cbr-mpeg1.mp3", source, "one.mp3");
    const std::string b = CopyFixture("split/cbr-mpeg2-crc.mp3", source, "two.mp3");
    window.Frame()->AddFile(a);
    window.Frame()->AddFile(b);
    window.SetOption(COptionsPanel::ID_SPLIT_SEPARATELY, true);
    window.SetOption(COptionsPanel::ID_CREATE_SUB_DIR, false);
    window.SetOption(COptionsPanel::ID_DEFAULT_DST_IS_SRC_DIR, false);

    const wxString question = wxString::Format(
        "Directory %s is not empty. Overwrite existing files if necessary?", destination.Path());
    wxTEST_DIALOG(
        {
            window.PressShortcut(true, 'S');
            EXPECT_TRUE(window.WaitWhileRunning());
        },
        CExpectDirectory(destination.Path()), CExpectMessage(question, wxOK, wxICON_WARNING),
        CExpectMessage(kSuccess, wxOK, wxICON_INFORMATION));

    const std::vector<std::string> one = LinesOf(destination.File("one.m3u"));
    const std::vector<std::string> two = LinesOf(destination.File("two.m3u"));
    ASSERT_FALSE(one.empty());
    ASSERT_FALSE(two.empty());
    EXPECT_EQ(int(one.size()) + 1, PartNumber(two.front(), "two"));
}

TEST_F(SplitRun, CancelAtTheNotEmptyQuestionEndsTheRunQuietly)
{
    TempDir destination("splitdest");
    WriteFileBytes(destination.File("keep.txt"), { 'x' });
    window.Frame()->AddFile(CopyFixture("split/cbr-mpeg1.mp3", source, "one.mp3"));
    window.SetOption(COptionsPanel::ID_CREATE_SUB_DIR, false);
    window.SetOption(COptionsPanel::ID_DEFAULT_DST_IS_SRC_DIR, false);

    const wxString question = wxString::Format(
        "Directory %s is not empty. Overwrite existing files if necessary?", destination.Path());
    wxTEST_DIALOG(
        {
            window.PressShortcut(true, 'S');
            EXPECT_TRUE(window.WaitWhileRunning());
        },
        CExpectDirectory(destination.Path()), CExpectMessage(question, wxCANCEL, wxICON_WARNING));

    EXPECT_EQ(std::vector<std::string> { "keep.txt" }, FilesIn(destination.Path(), ".txt"));
    EXPECT_TRUE(FilesIn(destination.Path(), ".mp3").empty());
    EXPECT_EQ(nullptr, CMainFrameHarness::FindProgressDialog());
}

TEST_F(SplitRun, CancelInTheProgressDialogKeepsThePartsAndListsExactlyThem)
{
    // The second and third files are long, so the cancel lands while one of them is split.
    CopyFixture("split/cbr-mpeg1.mp3", source, "a1.mp3");
    WriteFileBytes(source.File("a2.mp3"), RepeatedFrames("split/cbr-mpeg1.mp3", 40));
    WriteFileBytes(source.File("a3.mp3"), RepeatedFrames("split/cbr-mpeg1.mp3", 40));
    for (const char* name : { "a1.mp3", "a2.mp3", "a3.mp3" })
        window.Frame()->AddFile(source.File(name));
    window.SetOption(COptionsPanel::ID_SPLIT_SEPARATELY, false);
    window.SetOption(COptionsPanel::ID_MERGE_BEFORE_SPLIT, false);
    window.SetOption(COptionsPanel::ID_CREATE_SUB_DIR, true);
    window.SetOption(COptionsPanel::ID_DEFAULT_DST_IS_SRC_DIR, true);
    window.SetOption(COptionsPanel::ID_CREATE_PLAYLIST, true);

    wxListBox* list = window.Frame()->GetFileListPage()->GetListBox();
    {
        CNonBlockingModalHook noDialogExpected(__FILE__, __LINE__);
        window.PressShortcut(true, 'S');
        // Press Cancel once the first file is done.
        const wxLongLong end = wxGetLocalTimeMillis() + 90000;
        while (window.Frame()->IsSplitRunning() && list->GetSelection() < 1 && wxGetLocalTimeMillis() < end)
            PumpEvents(1);
        wxGenericProgressDialog* dialog = CMainFrameHarness::FindProgressDialog();
        ASSERT_NE(nullptr, dialog);
        wxWindow* cancel = dialog->FindWindow(wxID_CANCEL);
        ASSERT_NE(nullptr, cancel);
        wxCommandEvent click(wxEVT_BUTTON, wxID_CANCEL);
        click.SetEventObject(cancel);
        cancel->GetEventHandler()->ProcessEvent(click);
        EXPECT_TRUE(window.WaitWhileRunning());
        noDialogExpected.CheckUnmetExpectations();
    }

    EXPECT_EQ(wxString("Cancelled by user!"), window.StatusText());
    const std::string book = source.File("a1");
    const std::vector<std::string> parts = FilesIn(book, ".mp3");
    // All of the first file's parts, and fewer than the long files would give: it really stopped.
    const std::size_t firstFileParts = AudioFramesOf(source.File("a1.mp3")).size() * 26 / 10000;
    EXPECT_GT(parts.size(), firstFileParts);
    EXPECT_LT(parts.size(), 2 * 40 * firstFileParts);
    EXPECT_EQ(parts, LinesOf(book + "/a1.m3u"));
    bool logged = false;
    for (const std::wstring& line : LogStore::Instance().Lines())
        logged = logged || line == L"INFO: Splitting cancelled by user\n";
    EXPECT_TRUE(logged);
}

TEST_F(SplitRun, ASecondStartAndFileListChangesAreRefusedDuringARun)
{
    WriteFileBytes(source.File("long.mp3"), RepeatedFrames("split/cbr-mpeg1.mp3", 40));
    window.Frame()->AddFile(source.File("long.mp3"));
    window.SetOption(COptionsPanel::ID_CREATE_SUB_DIR, true);
    window.SetOption(COptionsPanel::ID_DEFAULT_DST_IS_SRC_DIR, true);
    CListBoxPanel* list = window.Frame()->GetFileListPage();

    {
        CNonBlockingModalHook noDialogExpected(__FILE__, __LINE__);
        window.PressShortcut(true, 'S');
        ASSERT_TRUE(window.Frame()->IsSplitRunning());
        window.PressShortcut(true, 'S'); // no second run, no dialog
        window.PressShortcut(true, 'O'); // no file dialog
        window.PressShortcut(false, WXK_DELETE); // nothing removed
        EXPECT_EQ(1u, list->GetFileCount());
        EXPECT_FALSE(fs::exists(source.File("long 1")));

        wxGenericProgressDialog* dialog = CMainFrameHarness::FindProgressDialog();
        ASSERT_NE(nullptr, dialog);
        wxCommandEvent click(wxEVT_BUTTON, wxID_CANCEL);
        click.SetEventObject(dialog->FindWindow(wxID_CANCEL));
        dialog->FindWindow(wxID_CANCEL)->GetEventHandler()->ProcessEvent(click);
        EXPECT_TRUE(window.WaitWhileRunning());
        noDialogExpected.CheckUnmetExpectations();
    }
    EXPECT_EQ(wxString("Cancelled by user!"), window.StatusText());
}

TEST_F(SplitRun, ANonMp3FileIsReportedAndTheLogCanBeSaved)
{
    WriteFileBytes(source.File("notes.mp3"), std::vector<unsigned char>(4000, 'n'));
    window.Frame()->AddFile(source.File("notes.mp3"));
    window.SetOption(COptionsPanel::ID_CREATE_SUB_DIR, true);
    window.SetOption(COptionsPanel::ID_DEFAULT_DST_IS_SRC_DIR, true);
    const std::string log = source.File("report.log");

    wxTEST_DIALOG(
        {
            window.PressShortcut(true, 'S');
            EXPECT_TRUE(window.WaitWhileRunning());
        },
        CExpectMessage("Input audio file is corrupt.", wxOK, wxICON_ERROR),
        CExpectMessage("Would you like to save the log file?", wxYES, wxICON_QUESTION),
        CExpectFile(wxString::FromUTF8(log)));

    EXPECT_EQ(wxString("Input audio file is corrupt."), window.StatusText());
    const std::vector<unsigned char> bytes = ReadFileBytes(log);
    ASSERT_GE(bytes.size(), 6u);
    EXPECT_EQ(0xFF, bytes[0]);
    EXPECT_EQ(0xFE, bytes[1]);
    // Back to text: every line ends in CR LF, and the error is among them.
    std::wstring text;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
        text += wchar_t(bytes[i] | (bytes[i + 1] << 8));
    EXPECT_EQ(L"\r\n", text.substr(text.size() - 2));
    EXPECT_NE(std::wstring::npos, text.find(L"ERROR: Input audio file is corrupt.\r\n"));
    EXPECT_NE(std::wstring::npos, text.find(L"INFO: Creating error report for Vellomar "));
    for (std::size_t at = text.find(L'\n'); at != std::wstring::npos; at = text.find(L'\n', at + 1))
        EXPECT_EQ(L'\r', text[at - 1]);
    EXPECT_EQ(0u, LogStore::Instance().Size());
}

TEST_F(SplitRun, OnlyEmptyInputFilesStillGiveASoundRun)
{
    WriteFileBytes(source.File("empty 1.mp3"), {});
    WriteFileBytes(source.File("empty 2.mp3"), {});
    window.Frame()->AddFile(source.File("empty 1.mp3"));
    window.Frame()->AddFile(source.File("empty 2.mp3"));
    window.SetOption(COptionsPanel::ID_SPLIT_SEPARATELY, false);
    window.SetOption(COptionsPanel::ID_CREATE_SUB_DIR, true);
    window.SetOption(COptionsPanel::ID_DEFAULT_DST_IS_SRC_DIR, true);

    // An empty source writes nothing and succeeds; the progress must not divide by the total of 0.
    SplitExpectingSuccess();
    EXPECT_TRUE(FilesIn(source.File("empty 1"), ".mp3").empty());
}

TEST_F(SplitRun, AnEmptyLastFileDoesNotFinishTheProgressDialogEarly)
{
    // Everything before the empty file is the whole run: its start lies at 100 %, which would
    // finish the dialog and hold the run in it.
    const std::string a = CopyFixture("split/cbr-mpeg1.mp3", source, "book 1.mp3");
    WriteFileBytes(source.File("book 2.mp3"), {});
    window.Frame()->AddFile(a);
    window.Frame()->AddFile(source.File("book 2.mp3"));
    window.SetOption(COptionsPanel::ID_SPLIT_SEPARATELY, false);
    window.SetOption(COptionsPanel::ID_CREATE_SUB_DIR, true);
    window.SetOption(COptionsPanel::ID_DEFAULT_DST_IS_SRC_DIR, true);

    SplitExpectingSuccess();
    ExpectSameFrames(
        AudioFramesOf(a), FramesOfParts(source.File("book 1"), FilesIn(source.File("book 1"), ".mp3")));
}

TEST_F(SplitRun, ClosingTheWindowDuringALongSplitCancelsItAndEnds)
{
    const int repeats = 120;
    WriteFileBytes(source.File("long.mp3"), RepeatedFrames("split/cbr-mpeg1.mp3", repeats));
    window.Frame()->AddFile(source.File("long.mp3"));
    window.SetOption(COptionsPanel::ID_CREATE_SUB_DIR, true);
    window.SetOption(COptionsPanel::ID_DEFAULT_DST_IS_SRC_DIR, true);
    const std::size_t wholeRunParts
        = AudioFramesOf(DataPath("split/cbr-mpeg1.mp3")).size() * 26 * repeats / 10000;

    CNonBlockingModalHook noDialogExpected(__FILE__, __LINE__);
    window.PressShortcut(true, 'S');
    ASSERT_TRUE(window.Frame()->IsSplitRunning());
    PumpEvents(20);
    ASSERT_TRUE(window.CloseAndWait());
    noDialogExpected.CheckUnmetExpectations();

    // The window's end waited for the job, which stopped early: far fewer parts than a whole run.
    const std::vector<std::string> parts = FilesIn(source.File("long"), ".mp3");
    EXPECT_LT(parts.size(), wholeRunParts * 9 / 10);
    // The playlist went with the window and lists what was reported before it closed.
    const std::vector<std::string> listed = LinesOf(source.File("long") + "/long.m3u");
    EXPECT_LE(listed.size(), parts.size());
    for (std::size_t i = 0; i < listed.size(); ++i)
        EXPECT_EQ(parts[i], listed[i]);
}

TEST_F(SplitRun, ReportsQueuedWhenTheWindowClosesShowNothingAndStartNothing)
{
    // The first file is long, so its task still runs when the window closes.
    WriteFileBytes(source.File("first.mp3"), RepeatedFrames("split/cbr-mpeg1.mp3", 40));
    CopyFixture("split/cbr-mpeg1.mp3", source, "second.mp3");
    window.Frame()->AddFile(source.File("first.mp3"));
    window.Frame()->AddFile(source.File("second.mp3"));
    window.SetOption(COptionsPanel::ID_SPLIT_SEPARATELY, true);
    window.SetOption(COptionsPanel::ID_CREATE_SUB_DIR, true);
    window.SetOption(COptionsPanel::ID_DEFAULT_DST_IS_SRC_DIR, true);

    CNonBlockingModalHook noDialogExpected(__FILE__, __LINE__);
    window.PressShortcut(true, 'S');
    ASSERT_TRUE(window.Frame()->IsSplitRunning());
    // Waiting on the window as the run's reports wait: the first file done, which would start the
    // second in a directory of its own, and an error, which would show its message and the log offer.
    const CSplitTask::TProgressInfo done
        = { CSplitTask::EFinished, 0, 100, nullptr, 5, CSplitTask::ESuccess };
    const CSplitTask::TProgressInfo failed
        = { CSplitTask::EFinished, 0, 100, nullptr, 0, CSplitTask::EReadError };
    window.Frame()->CallAfter(&CMainFrame::OnSplitProgress, done);
    window.Frame()->CallAfter(&CMainFrame::OnSplitProgress, failed);
    ASSERT_TRUE(window.CloseAndWait());
    noDialogExpected.CheckUnmetExpectations();

    EXPECT_TRUE(fs::is_directory(source.File("first")));
    EXPECT_FALSE(fs::exists(source.File("second")));
}
