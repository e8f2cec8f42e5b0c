// The M3U playlist: exact bytes, ISO-8859-1, replacement of an old file, silent failure.
#include "engine/PlayListFile.h"
#include "engine/LogStore.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <wx/string.h>

#include <filesystem>
#include <memory>

using testing_support::ReadFileBytes;
using testing_support::TempDir;
using testing_support::WriteFileBytes;

namespace {

typedef std::vector<unsigned char> Bytes;

Bytes BytesOf(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

std::wstring Wide(const std::string& ascii)
{
    return std::wstring(ascii.begin(), ascii.end());
}

// Writes a playlist of the given entries into dir and returns the file's bytes.
Bytes WritePlayList(const TempDir& dir, const std::vector<wxString>& entries)
{
    {
        CPlayListFile playList(Wide(dir.Path() + "/"), L"Book");
        for (const wxString& entry : entries)
            playList.AddFile(entry);
    }
    return ReadFileBytes(dir.File("Book.m3u"));
}

TEST(PlayListFile, TwoNamesGiveTheNamesEachFollowedByALineFeed)
{
    TempDir dir("playlist");
    const Bytes bytes = WritePlayList(dir, { wxString(L"Part 01.mp3"), wxString(L"Part 02.mp3") });
    EXPECT_EQ(24u, bytes.size());
    EXPECT_EQ(BytesOf("Part 01.mp3\nPart 02.mp3\n"), bytes);
}

TEST(PlayListFile, LatinOneLettersAreSingleBytes)
{
    TempDir dir("playlist");
    const Bytes bytes = WritePlayList(dir, { wxString(L"Caf\u00e9 \u00fc\u00ff 01.mp3") });
    EXPECT_EQ(BytesOf("Caf\xe9 \xfc\xff 01.mp3\n"), bytes);
}

TEST(PlayListFile, AnEmptyPlayListIsAnEmptyFile)
{
    TempDir dir("playlist");
    {
        CPlayListFile playList(Wide(dir.Path() + "/"), L"Book");
    }
    ASSERT_TRUE(std::filesystem::exists(dir.File("Book.m3u")));
    EXPECT_EQ(0u, std::filesystem::file_size(dir.File("Book.m3u")));
}

TEST(PlayListFile, AnExistingPlayListIsReplacedNotAppendedTo)
{
    TempDir dir("playlist");
    WriteFileBytes(dir.File("Book.m3u"), BytesOf("Old 01.mp3\nOld 02.mp3\nOld 03.mp3\n"));
    EXPECT_EQ(BytesOf("New 01.mp3\n"), WritePlayList(dir, { wxString(L"New 01.mp3") }));
}

TEST(PlayListFile, AMissingDirectoryLeavesNoFileAndNoError)
{
    TempDir dir("playlist");
    LogStore::Instance().Clear();
    {
        CPlayListFile playList(Wide(dir.Path() + "/missing/"), L"Book");
        playList.AddFile(wxString(L"Part 01.mp3"));
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("missing")));
    EXPECT_TRUE(LogStore::Instance().Lines().empty());
}

TEST(PlayListFile, ThePathIsDirectoryAndNameAsGivenWithANonAsciiDirectory)
{
    TempDir dir("playlist");
    const std::string sub = dir.Path() + "/H\xc3\xb6rbuch"; // "Hörbuch" in UTF-8 on disk
    std::filesystem::create_directory(sub);
    {
        CPlayListFile playList(Wide(dir.Path()) + L"/H\u00f6rbuch/", L"B\u00fccher");
        playList.AddFile(wxString(L"Part 01.mp3"));
    }
    EXPECT_EQ(BytesOf("Part 01.mp3\n"),
        ReadFileBytes(sub
            + "/B\xc3\xbc"
              "cher.m3u"));
}

// Such an entry cannot be a plain ISO-8859-1 line; it becomes the part's file URL, pure ASCII,
// whose percent-escaped bytes are the name's UTF-8 bytes on disk.
TEST(PlayListFile, ANameOutsideLatinOneBecomesItsFileUrl)
{
    TempDir dir("playlist");
    const Bytes bytes = WritePlayList(dir,
        { wxString(L"Part 01.mp3"), wxString(L"\u041a\u043d\u0438\u0433\u0430 02.mp3"),
            wxString(L"Caf\u00e9 \u20ac 03.mp3"), wxString(L"Part 04.mp3") });
    const std::string expected = "Part 01.mp3\n"
                                 "file://"
        + dir.Path()
        + "/%D0%9A%D0%BD%D0%B8%D0%B3%D0%B0%2002.mp3\n"
          "file://"
        + dir.Path()
        + "/Caf%C3%A9%20%E2%82%AC%2003.mp3\n"
          "Part 04.mp3\n";
    EXPECT_EQ(BytesOf(expected), bytes);
}

TEST(PlayListFile, NamesThatWouldBreakOrHideTheirLineBecomeFileUrls)
{
    TempDir dir("playlist");
    const Bytes bytes = WritePlayList(dir, { wxString(L"#1 Hits 01.mp3"), wxString(L"Two\nLines.mp3") });
    const std::string expected = "file://" + dir.Path()
        + "/%231%20Hits%2001.mp3\n"
          "file://"
        + dir.Path() + "/Two%0ALines.mp3\n";
    EXPECT_EQ(BytesOf(expected), bytes);
}

} // namespace
