// Natural order of file names: numbers by value, text by code unit, as the file list sorts them.
#include "ui/NumericalLess.h"

#include <gtest/gtest.h>
#include <wx/arrstr.h>

namespace {

int Compare(const wxString& a, const wxString& b)
{
    wxString first = a, second = b;
    return NumericalStringCompare(&first, &second);
}

bool Less(const std::wstring& a, const std::wstring& b)
{
    return NumericalLess(std::locale::classic())(a, b);
}

wxArrayString Sorted(std::initializer_list<const char*> names)
{
    wxArrayString paths;
    for (const char* name : names)
        paths.Add(name);
    paths.Sort(NumericalStringCompare);
    return paths;
}

} // namespace

TEST(NaturalOrder, NumbersCompareByValueNotByDigits)
{
    EXPECT_EQ(-1, Compare("Track 9.mp3", "Track 10.mp3"));
    EXPECT_EQ(1, Compare("Track 10.mp3", "Track 9.mp3"));
    EXPECT_EQ(-1, Compare("Disc 2", "Disc 10"));
    EXPECT_EQ(-1, Compare("track2.mp3", "track10.mp3"));
}

TEST(NaturalOrder, LeadingZerosDoNotCount)
{
    EXPECT_EQ(0, Compare("file007.mp3", "file7.mp3"));
    EXPECT_EQ(0, Compare("file7.mp3", "file007.mp3"));
    EXPECT_EQ(-1, Compare("file007.mp3", "file8.mp3"));
}

TEST(NaturalOrder, NumbersSortBeforeTextAtTheSamePlace)
{
    EXPECT_TRUE(Less(L"1x", L"ay"));
    EXPECT_FALSE(Less(L"ay", L"1x"));
    EXPECT_EQ(-1, Compare("part 1.mp3", "part a.mp3"));
}

TEST(NaturalOrder, TextComparesByCodeUnitAndPrefixFirst)
{
    EXPECT_EQ(1, Compare("abc", "ab"));
    EXPECT_EQ(-1, Compare("ab", "abc"));
    EXPECT_EQ(-1, Compare("B", "a"));
    EXPECT_EQ(0, Compare("same.mp3", "same.mp3"));
}

TEST(NaturalOrder, SharedTailIsDroppedButNotItsDigits)
{
    EXPECT_TRUE(Less(L"a", L"1a"));
    EXPECT_FALSE(Less(L"1a", L"a"));
    // "a12b" / "c2b" compare as "a12" / "c2": the letters decide.
    EXPECT_TRUE(Less(L"a12b", L"c2b"));
    // The low digit 2 is shared, yet 12 > 2.
    EXPECT_TRUE(Less(L"x2.mp3", L"x12.mp3"));
}

TEST(NaturalOrder, EmptyStringsComeFirst)
{
    EXPECT_TRUE(Less(L"", L"x"));
    EXPECT_FALSE(Less(L"x", L""));
    EXPECT_FALSE(Less(L"", L""));
}

TEST(NaturalOrder, LongerTextRunIsComparedPieceByPiece)
{
    // "ab" against "abc": equal over two letters, then the number of the first beats the "c".
    EXPECT_TRUE(Less(L"ab10", L"abc"));
    EXPECT_FALSE(Less(L"abc", L"ab10"));
}

TEST(NaturalOrder, VeryLongNumbersCompareWithoutOverflow)
{
    EXPECT_TRUE(Less(L"n99999999999999999999998", L"n99999999999999999999999"));
    EXPECT_TRUE(Less(L"n9", L"n100000000000000000000000"));
}

TEST(NaturalOrder, DialogAndDropSelectionsAreSortedNaturally)
{
    const wxArrayString paths = Sorted({ "/books/track10.mp3", "/books/track2.mp3", "/books/track1.mp3" });
    ASSERT_EQ(3u, paths.size());
    EXPECT_EQ("/books/track1.mp3", paths[0]);
    EXPECT_EQ("/books/track2.mp3", paths[1]);
    EXPECT_EQ("/books/track10.mp3", paths[2]);
}

TEST(NaturalOrder, SortIsConsistentOverMixedNames)
{
    const wxArrayString paths = Sorted({ "b10.mp3", "b9.mp3", "a.mp3", "B1.mp3", "b09x.mp3", "10.mp3" });
    const char* expected[] = { "10.mp3", "B1.mp3", "a.mp3", "b9.mp3", "b09x.mp3", "b10.mp3" };
    ASSERT_EQ(6u, paths.size());
    for (size_t i = 0; i < paths.size(); ++i)
        EXPECT_EQ(expected[i], paths[i]) << "at " << i;
}
