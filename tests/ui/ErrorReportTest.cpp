// The error report: the log file's exact bytes, its default name, and what the offer does with the lines.
#include "support/GuiTestSupport.h"
#include "support/MainFrameHarness.h"
#include "support/TestSupport.h"

#include "catalogue/LocalStrings.h"
#include "engine/Log.h"
#include "engine/LogStore.h"
#include "ui/ErrorLogFile.h"
#include "ui/MainFrame.h"

#include <gtest/gtest.h>
#include <wx/datetime.h>

using namespace gui_test;
using namespace testing_support;

namespace {

// UTF-16LE bytes of an ASCII text.
std::string Utf16(const std::string& ascii)
{
    std::string out;
    for (char c : ascii) {
        out += c;
        out += '\0';
    }
    return out;
}

const std::string kBom("\xFF\xFE", 2);

} // namespace

TEST(ErrorLogFileBytes, AreAByteOrderMarkThenEachLineWithCrLfInsteadOfItsLineFeed)
{
    const std::string bytes = CErrorLogFile::Encode({ L"INFO: a\n", L"ERROR: b\n" });
    EXPECT_EQ(kBom + Utf16("INFO: a\r\n") + Utf16("ERROR: b\r\n"), bytes);
}

TEST(ErrorLogFileBytes, LeaveOutEmptyAndOneCharacterLinesWhole)
{
    EXPECT_EQ(kBom, CErrorLogFile::Encode({}));
    EXPECT_EQ(kBom + Utf16("x\r\n"), CErrorLogFile::Encode({ L"", L"\n", L"x\n", L"y" }));
}

TEST(ErrorLogFileBytes, WriteCharactersBeyondTheBasicPlaneAsSurrogatePairs)
{
    // e acute, then U+1F600: D83D DE00.
    const std::string bytes = CErrorLogFile::Encode({ std::wstring(L"\u00E9") + wchar_t(0x1F600) + L"\n" });
    EXPECT_EQ(kBom + std::string("\xE9\x00\x3D\xD8\x00\xDE\x0D\x00\x0A\x00", 10), bytes);
}

TEST(ErrorLogFileName, IsTheLocalTimeWithTwoDigitFields)
{
    const wxDateTime when(6, wxDateTime::Dec, 2026, 15, 30, 12);
    EXPECT_EQ(wxString("Vellomar_261206153012.log"), CErrorLogFile::DefaultName(when));
    const wxDateTime morning(2, wxDateTime::Jan, 2009, 7, 5, 9);
    EXPECT_EQ(wxString("Vellomar_090102070509.log"), CErrorLogFile::DefaultName(morning));
}

TEST(ErrorLogFileWrite, ReplacesAnExistingFileWithTheEncodedLines)
{
    TempDir dir("errlog");
    WriteFileBytes(dir.File("a.log"), std::vector<unsigned char>(500, 'z'));
    ASSERT_EQ(CErrorLogFile::EWritten, CErrorLogFile::Write(dir.File("a.log"), { L"INFO: a\n" }));
    const std::vector<unsigned char> bytes = ReadFileBytes(dir.File("a.log"));
    EXPECT_EQ(kBom + Utf16("INFO: a\r\n"), std::string(bytes.begin(), bytes.end()));
}

TEST(ErrorLogFileWrite, TellsAFileThatCannotBeOpenedFromOneThatCannotBeWrittenWhole)
{
    TempDir dir("errlog");
    EXPECT_EQ(CErrorLogFile::EOpenFailed, CErrorLogFile::Write(dir.File("missing/a.log"), { L"INFO: a\n" }));
    // A full disk: opening works, writing does not.
    EXPECT_EQ(CErrorLogFile::EWriteFailed, CErrorLogFile::Write("/dev/full", { L"INFO: a\n" }));
}

class ErrorReport : public ::testing::Test {
protected:
    void SetUp() override
    {
        LogStore::Instance().Clear();
        LogInfo(L"a");
        LogError(L"b");
    }
    void TearDown() override { LogStore::Instance().Clear(); }
    CMainFrameHarness window;
    TempDir dir { "errreport" };
};

TEST_F(ErrorReport, SavedLogHoldsTheStoreAndTheReportLineAndEmptiesTheStore)
{
    LogStore::Instance().Clear();
    LogInfo(L"a");
    LogError(L"b");
    const std::string path = dir.File("saved.log");
    wxTEST_DIALOG(window.Frame()->CreateErrorReport(),
        CExpectMessage("Would you like to save the log file?", wxYES, wxICON_QUESTION),
        CExpectFile(wxString::FromUTF8(path)));

    const std::vector<unsigned char> bytes = ReadFileBytes(path);
    EXPECT_EQ(kBom + Utf16("INFO: a\r\n") + Utf16("ERROR: b\r\n")
            + Utf16("INFO: Creating error report for Vellomar ")
            + Utf16(std::string(window.strings->GetString(4).utf8_str())) + Utf16("\r\n"),
        std::string(bytes.begin(), bytes.end()));
    EXPECT_EQ(0u, LogStore::Instance().Size());
}

TEST_F(ErrorReport, NoKeepsEveryLineForALaterReport)
{
    wxTEST_DIALOG(window.Frame()->CreateErrorReport(),
        CExpectMessage("Would you like to save the log file?", wxNO, wxICON_QUESTION));
    const std::vector<std::wstring> lines = LogStore::Instance().Lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(L"INFO: a\n", lines[lines.size() - 3]);
    EXPECT_EQ(L"ERROR: b\n", lines[lines.size() - 2]);
}

TEST_F(ErrorReport, CancelInTheFileDialogKeepsTheLines)
{
    const std::size_t before = LogStore::Instance().Size();
    wxTEST_DIALOG(window.Frame()->CreateErrorReport(),
        CExpectMessage("Would you like to save the log file?", wxYES, wxICON_QUESTION),
        CExpectFile(wxString::FromUTF8(dir.File("x.log")), wxID_CANCEL));
    EXPECT_EQ(before + 1, LogStore::Instance().Size());
    EXPECT_FALSE(wxFileExists(dir.File("x.log")));
}

TEST_F(ErrorReport, AnUnopenableFileKeepsTheLinesWithoutAMessage)
{
    // A directory of that name: the chooser takes the path, opening it for writing fails.
    wxMkdir(dir.File("taken.log"));
    const std::size_t before = LogStore::Instance().Size();
    wxTEST_DIALOG(window.Frame()->CreateErrorReport(),
        CExpectMessage("Would you like to save the log file?", wxYES, wxICON_QUESTION),
        CExpectFile(wxString::FromUTF8(dir.File("taken.log"))));
    EXPECT_EQ(before + 1, LogStore::Instance().Size());
}

TEST_F(ErrorReport, AFileThatCouldNotBeWrittenWholeKeepsTheLinesAndSaysSo)
{
    const std::size_t before = LogStore::Instance().Size();
    wxTEST_DIALOG(window.Frame()->CreateErrorReport(),
        CExpectMessage("Would you like to save the log file?", wxYES, wxICON_QUESTION),
        CExpectFile("/dev/full"), CExpectMessage("Error writing file.", wxOK, wxICON_ERROR));
    EXPECT_EQ(before + 1, LogStore::Instance().Size());
    EXPECT_EQ(wxString("Error writing file."), window.StatusText());
}
