// The English table and the language-independent entries: ids, the texts callers rely on, the help page.
#include "TableChecks.h"

#include <gtest/gtest.h>

using namespace table_checks;

namespace {

wxString EnglishText(int id)
{
    return TableOf(loc::FillEnglish).at(id);
}

TEST(EnglishTable, DefinesEveryIdFrom5To154ButTheUnusedOnes)
{
    const std::set<int> ids = IdsOf(loc::FillEnglish);
    EXPECT_EQ(140u, ids.size());
    EXPECT_EQ(EnglishIds(), ids);
    for (int unused : { 1, 2, 3, 4, 35, 63, 64, 65, 66, 81, 85, 86, 88, 89, 155 })
        EXPECT_EQ(0u, ids.count(unused)) << unused;
}

TEST(EnglishTable, NoTextIsEmpty)
{
    for (const auto& entry : TableOf(loc::FillEnglish))
        EXPECT_FALSE(entry.second.empty()) << entry.first;
}

TEST(EnglishTable, RepeatedWordsAreSeparateEntriesAndBothAddressesAgree)
{
    EXPECT_EQ(L"Split", EnglishText(11));
    EXPECT_EQ(L"Split", EnglishText(31));
    EXPECT_EQ(L"Audiobook", EnglishText(94));
    EXPECT_EQ(L"Audiobook", EnglishText(126));
    EXPECT_EQ(EnglishText(82), EnglishText(83));
    EXPECT_TRUE(EnglishText(83).StartsWith(L"http://"));
    EXPECT_TRUE(EnglishText(84).StartsWith(L"http://"));
    EXPECT_TRUE(EnglishText(36).StartsWith(L"© "));
}

TEST(EnglishTable, MessagesKeepTheirExactWordingAndPlaceholders)
{
    EXPECT_EQ(L"Wrote \"%s\"", EnglishText(42));
    EXPECT_EQ(L"Changed minimum track length to %d minutes.", EnglishText(55));
    EXPECT_EQ(L"Changed basis track name to \"%s\".", EnglishText(61));
    EXPECT_EQ(L"Could not open directoy %s.", EnglishText(70));
    EXPECT_EQ(std::vector<std::wstring>({ L"%s" }), Placeholders(EnglishText(47)));
    EXPECT_EQ(std::vector<std::wstring>({ L"%d" }), Placeholders(EnglishText(56)));
    EXPECT_EQ(L"Your help is needed:\nThe application's English translation is still incomplete.\n"
              L"Please contact the authors and support the project.",
        EnglishText(92));
}

TEST(CommonTable, HoldsTheProductNameVersionsAndTheGenericNotice)
{
    const loc::TStringTable common = TableOf(loc::FillCommon);
    EXPECT_EQ(Ids({ { 1, 1 }, { 3, 4 }, { 92, 92 } }), IdsOf(loc::FillCommon));
    EXPECT_EQ(L"Vellomar", common.at(1));
    EXPECT_EQ(L"1.9", common.at(3));
    EXPECT_EQ(L"1.9.4.2144", common.at(4));
    EXPECT_EQ(L"Your help is needed:\nThe application's translation to your language is still missing.\n"
              L"Please contact the authors and support the project.",
        common.at(92));
}

TEST(CommonTable, EnglishFirstKeepsTheEnglishNoticeForId92)
{
    loc::TStringTable fallback;
    loc::FillEnglish(fallback);
    loc::FillCommon(fallback);
    EXPECT_EQ(143u, fallback.size());
    EXPECT_EQ(EnglishText(92), fallback.at(92));
}

TEST(PlaceholderExtraction, FindsConversionsInOrderAndSkipsLiteralPercent)
{
    EXPECT_EQ(std::vector<std::wstring>({ L"%s", L"%d", L"%5.2f" }), Placeholders(L"%s at %d: %5.2f"));
    EXPECT_TRUE(Placeholders(L"100%% done").empty());
    EXPECT_EQ(std::vector<std::wstring>({ L"%" }), Placeholders(L"broken %"));
}

TEST(EnglishHelpPage, IsWellFormedAndStartsWithTwoLineBreaks)
{
    const wxString page = EnglishText(91);
    EXPECT_TRUE(IsWellFormedHtml(page));
    EXPECT_TRUE(page.StartsWith(L"<br><br>"));
    EXPECT_FALSE(IsWellFormedHtml(L"<p><b>unclosed</p>"));
    EXPECT_FALSE(IsWellFormedHtml(L"a > b"));
}

TEST(EnglishHelpPage, HasTheThreeHeadingsTheBoldTermsAndTheShortcutLines)
{
    const wxString page = EnglishText(91);
    EXPECT_EQ(std::vector<std::wstring>({ L"Introduction", L"How to use the program", L"The controls" }),
        ElementTexts(page, L"h5"));
    EXPECT_EQ(std::vector<std::wstring>({ L"First", L"Second", L"Add Files", L"Split Audiobook",
                  L"Track Length", L"Help", L"About Vellomar", L"Quit", L"Keyboard Shortcuts" }),
        ElementTexts(page, L"b"));
    EXPECT_EQ(1u, ElementTexts(page, L"i").size());
    EXPECT_EQ(6u, ElementTexts(page, L"dd").size());
    EXPECT_NE(wxString::npos, page.find(L"between 15 seconds and 80 minutes"));
    EXPECT_TRUE(HasLinesInOrder(VisibleLines(page),
        { L"Keyboard Shortcuts", L"Add files: Ctrl + O", L"Remove selected file: Del", L"Split: Ctrl + S",
            L"Abort splitting: ESC", L"Help dialog: F1", L"Exit: Alt + F4" }));
}

} // namespace
