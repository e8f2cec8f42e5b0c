// The Polish, Swedish and Portuguese tables and the five tables that no language code selects.
#include "TableChecks.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace table_checks;

namespace {

struct TTableCase {
    const char* name;
    TFill fill;
    std::size_t entries;
    std::set<int> ids; // exactly the ids the table defines
};

std::vector<TTableCase> AllTables()
{
    const std::set<int> english = EnglishIds();
    return {
        { "Polish", loc::FillPolish, 116,
            Minus(english,
                Ids({ { 14, 19 }, { 36, 36 }, { 78, 78 }, { 82, 84 }, { 102, 102 }, { 110, 110 },
                    { 124, 126 }, { 139, 139 }, { 148, 154 } })) },
        { "Swedish", loc::FillSwedish, 119,
            Minus(english,
                Ids({ { 14, 19 }, { 36, 36 }, { 78, 78 }, { 102, 102 }, { 110, 110 }, { 124, 126 },
                    { 139, 139 }, { 148, 154 } })) },
        { "Portuguese", loc::FillPortuguese, 116,
            Minus(english,
                Ids({ { 14, 19 }, { 78, 78 }, { 82, 84 }, { 102, 102 }, { 110, 110 }, { 124, 126 },
                    { 137, 137 }, { 139, 139 }, { 148, 154 } })) },
        { "Arabic", loc::FillArabic, 61,
            Ids({ { 5, 13 }, { 20, 29 }, { 33, 34 }, { 36, 36 }, { 38, 53 }, { 55, 62 }, { 67, 77 },
                { 87, 87 }, { 90, 92 } }) },
        { "Basque", loc::FillBasque, 50,
            Ids({ { 5, 13 }, { 20, 22 }, { 25, 29 }, { 33, 34 }, { 36, 36 }, { 38, 53 }, { 55, 62 },
                { 67, 70 }, { 84, 84 }, { 87, 87 } }) },
        { "Croatian", loc::FillCroatian, 54,
            Ids({ { 5, 13 }, { 20, 29 }, { 33, 34 }, { 36, 36 }, { 38, 53 }, { 55, 62 }, { 67, 70 },
                { 87, 87 }, { 90, 92 } }) },
        { "Japanese", loc::FillJapanese, 61,
            Ids({ { 5, 13 }, { 20, 29 }, { 33, 34 }, { 36, 36 }, { 38, 53 }, { 55, 62 }, { 67, 77 },
                { 87, 87 }, { 90, 92 } }) },
        { "Dutch", loc::FillDutch, 50,
            Ids({ { 5, 13 }, { 20, 22 }, { 25, 29 }, { 33, 34 }, { 36, 36 }, { 38, 53 }, { 55, 62 },
                { 67, 70 }, { 84, 84 }, { 87, 87 } }) },
    };
}

wxString Text(TFill fill, int id)
{
    return TableOf(fill).at(id);
}

// ---- Which ids each table defines ----------------------------------------------------------------

TEST(TranslationTables, EachDefinesExactlyItsIds)
{
    for (const auto& table : AllTables()) {
        const std::set<int> ids = IdsOf(table.fill);
        EXPECT_EQ(table.entries, ids.size()) << table.name;
        EXPECT_EQ(table.ids, ids) << table.name << ": missing " << Describe(Minus(table.ids, ids))
                                  << "; extra " << Describe(Minus(ids, table.ids));
    }
}

TEST(TranslationTables, NoneDefinesTheLanguageIndependentOrUnusedIds)
{
    for (const auto& table : AllTables()) {
        const std::set<int> ids = IdsOf(table.fill);
        for (int id : { 1, 2, 3, 4, 35, 85, 86, 155 })
            EXPECT_EQ(0u, ids.count(id)) << table.name << " id " << id;
    }
}

TEST(TranslationTables, NoTextIsEmpty)
{
    for (const auto& table : AllTables()) {
        for (const auto& entry : TableOf(table.fill)) {
            EXPECT_FALSE(entry.second.empty()) << table.name << " id " << entry.first;
        }
    }
}

TEST(TranslationTables, ATableNeverReplacesATextAlreadyInTheMap)
{
    for (const auto& table : AllTables()) {
        loc::TStringTable map;
        loc::FillEnglish(map);
        const loc::TStringTable before = map;
        table.fill(map);
        EXPECT_TRUE(before == map) << table.name;
    }
}

// ---- Placeholders ---------------------------------------------------------------------------------

TEST(TranslationTables, EveryTextCarriesTheEnglishPlaceholdersInOrder)
{
    for (const auto& table : AllTables())
        EXPECT_TRUE(PlaceholdersMatchEnglish(table.fill)) << table.name;
}

// ---- Texts that must read exactly so ----------------------------------------------------------------

TEST(PolishTable, KeepsItsFixedTexts)
{
    EXPECT_EQ(L"Dodaj", Text(loc::FillPolish, 5));
    EXPECT_EQ(L"Podziel", Text(loc::FillPolish, 11));
    EXPECT_EQ(L"Anulowane przez u\u017cytkownika!", Text(loc::FillPolish, 44));
    EXPECT_EQ(L"Wyst\u0105pi\u0142 b\u0142\u0105d: %s.", Text(loc::FillPolish, 45));
    EXPECT_EQ(L"Audioksi\u0105\u017cka", Text(loc::FillPolish, 94));
    EXPECT_EQ(L"Pomoc Programu Vellomar", Text(loc::FillPolish, 90));
}

TEST(SwedishTable, KeepsItsFixedTextsAndTheEnglishAddresses)
{
    EXPECT_EQ(L"L\u00e4gg till", Text(loc::FillSwedish, 5));
    EXPECT_EQ(L"Dela upp", Text(loc::FillSwedish, 11));
    EXPECT_EQ(L"Avbrutet av anv\u00e4ndaren!", Text(loc::FillSwedish, 44));
    EXPECT_EQ(L"Ett fel uppstod: %s.", Text(loc::FillSwedish, 45));
    EXPECT_EQ(L"Ljudbok", Text(loc::FillSwedish, 94));
    EXPECT_EQ(L"Vellomar Hj\u00e4lpavsnitt", Text(loc::FillSwedish, 90));
    const loc::TStringTable english = TableOf(loc::FillEnglish);
    for (int id : { 82, 83, 84 })
        EXPECT_EQ(english.at(id), Text(loc::FillSwedish, id)) << id;
}

TEST(PortugueseTable, KeepsItsFixedTextsAndHasItsOwnRightsNotice)
{
    EXPECT_EQ(L"Adicionar", Text(loc::FillPortuguese, 5));
    EXPECT_EQ(L"Dividir", Text(loc::FillPortuguese, 11));
    EXPECT_EQ(L"Cancelado pelo utilizador!", Text(loc::FillPortuguese, 44));
    EXPECT_EQ(L"Ocorreu um erro: %s.", Text(loc::FillPortuguese, 45));
    EXPECT_EQ(L"Livro \u00c1udio", Text(loc::FillPortuguese, 94));
    EXPECT_EQ(L"Ajuda do Vellomar", Text(loc::FillPortuguese, 90));
    const wxString notice = Text(loc::FillPortuguese, 36);
    EXPECT_TRUE(notice.StartsWith(L"\u00a9 ")) << Utf8(notice.ToStdWstring());
    EXPECT_NE(Text(loc::FillEnglish, 36), notice);
}

TEST(DutchTable, InsertsId45TwiceAndKeepsTheEnglishText)
{
    const loc::TStringTable dutch = TableOf(loc::FillDutch);
    EXPECT_EQ(50u, dutch.size());
    EXPECT_EQ(L"An error occurred: %s.", dutch.at(45));
    EXPECT_EQ(Text(loc::FillEnglish, 45), dutch.at(45));
}

// ---- Rights notices, credits and addresses ---------------------------------------------------------

TEST(TranslationTables, RightsNoticesCreditsAndAddressesHaveTheirRoles)
{
    const loc::TStringTable english = TableOf(loc::FillEnglish);
    std::set<wxString> credits;
    for (const auto& table : AllTables()) {
        const loc::TStringTable map = TableOf(table.fill);
        if (map.count(36)) {
            EXPECT_TRUE(map.at(36).StartsWith(L"\u00a9 20")) << table.name;
            EXPECT_NE(wxString::npos, map.at(36).find(L"Vellomar")) << table.name;
        }
        ASSERT_TRUE(map.count(87)) << table.name;
        EXPECT_NE(english.at(87), map.at(87)) << table.name;
        EXPECT_TRUE(credits.insert(map.at(87)).second) << table.name << ": credit shared with another table";
        for (int id : { 82, 83, 84 }) {
            if (map.count(id)) {
                EXPECT_TRUE(map.at(id).StartsWith(L"http://www.vellomar.org")) << table.name << " id " << id;
            }
        }
        if (map.count(82) && map.count(83)) {
            EXPECT_EQ(map.at(82), map.at(83)) << table.name;
        }
    }
}

TEST(TranslationTables, TextsThatNameTheProductNameItVellomar)
{
    for (const auto& table : AllTables()) {
        const loc::TStringTable map = TableOf(table.fill);
        for (int id : { 24, 25, 26, 34, 90 }) {
            if (map.count(id)) {
                EXPECT_NE(wxString::npos, map.at(id).find(L"Vellomar")) << table.name << " id " << id;
            }
        }
    }
}

TEST(TranslationTables, TheNoticeAskingForHelpHasThreeLines)
{
    for (const auto& table : AllTables()) {
        const loc::TStringTable map = TableOf(table.fill);
        if (map.count(92)) {
            EXPECT_EQ(2u, map.at(92).Freq(L'\n')) << table.name;
        }
    }
}

// ---- Help pages -----------------------------------------------------------------------------------

struct THelpCase {
    const char* name;
    TFill fill;
    std::vector<std::wstring> headings;
    std::size_t controls;
};

std::vector<THelpCase> HelpPages()
{
    return {
        { "Polish", loc::FillPolish, { L"Wprowadzenie", L"Jak korzysta\u0107 z programu", L"The controls" },
            6 },
        { "Swedish", loc::FillSwedish, { L"Introduktion", L"Hur anv\u00e4nds programmet", L"Knappar" }, 9 },
        { "Portuguese", loc::FillPortuguese, { L"Introdu\u00e7\u00e3o", L"Os controles" }, 6 },
        { "Arabic", loc::FillArabic,
            { L"\u0645\u0642\u062f\u0645\u0629",
                L"\u0643\u064a\u0641\u064a\u0629 \u0627\u0633\u062a\u062e\u062f\u0627\u0645 "
                L"\u0627\u0644\u0628\u0631\u0646\u0627\u0645\u062c",
                L"\u0639\u0646\u0627\u0635\u0631 \u0627\u0644\u062a\u062d\u0643\u0645" },
            6 },
        { "Croatian", loc::FillCroatian, { L"Uvod", L"Kako koristiti program", L"Kontrole" }, 6 },
        { "Japanese", loc::FillJapanese,
            { L"\u306f\u3058\u3081\u306b", L"\u30d7\u30ed\u30b0\u30e9\u30e0\u306e\u4f7f\u3044\u65b9",
                L"\u30b3\u30f3\u30c8\u30ed\u30fc\u30eb" },
            6 },
    };
}

TEST(HelpPages, AreWellFormedFragmentsWithTheirHeadings)
{
    for (const auto& page : HelpPages()) {
        const wxString html = Text(page.fill, 91);
        EXPECT_TRUE(html.StartsWith(L"<br><br>")) << page.name;
        EXPECT_TRUE(IsWellFormedHtml(html)) << page.name;
        EXPECT_EQ(page.headings, ElementTexts(html, L"h5")) << page.name;
        for (const wchar_t* other : { L"h1", L"h2", L"h3", L"h4", L"h6", L"html", L"body" })
            EXPECT_TRUE(ElementTexts(html, other).empty()) << page.name << " " << Utf8(other);
    }
}

TEST(HelpPages, DescribeTheirControlsInADefinitionList)
{
    for (const auto& page : HelpPages()) {
        const wxString html = Text(page.fill, 91);
        EXPECT_EQ(1u, ElementTexts(html, L"dl").size()) << page.name;
        const std::vector<std::wstring> terms = ElementTexts(html, L"dt");
        EXPECT_EQ(page.controls, terms.size()) << page.name;
        EXPECT_EQ(page.controls, ElementTexts(html, L"dd").size()) << page.name;
        // The slider's range is given in the description of the track length.
        const std::vector<std::wstring> descriptions = ElementTexts(html, L"dd");
        EXPECT_TRUE(std::any_of(descriptions.begin(), descriptions.end(), [](const std::wstring& d) {
            return d.find(L"15") != std::wstring::npos && d.find(L"80") != std::wstring::npos;
        })) << page.name;
    }
}

TEST(HelpPages, ListTheSixShortcutsOnePerLine)
{
    const std::vector<std::wstring> keys = { L"Ctrl + O", L"Del", L"Ctrl + S", L"ESC", L"F1", L"Alt + F4" };
    for (const auto& page : HelpPages()) {
        const std::vector<std::wstring> lines = VisibleLines(Text(page.fill, 91));
        // The six shortcut lines close the page, in this order.
        ASSERT_GE(lines.size(), 6u) << page.name;
        for (std::size_t k = 0; k < keys.size(); ++k) {
            const std::wstring& line = lines[lines.size() - 6 + k];
            EXPECT_NE(std::wstring::npos, line.find(keys[k])) << page.name << ": " << Utf8(line);
        }
    }
}

TEST(HelpPages, ShortcutLinesFollowTheEnglishFormWhereTheStructureIsTheEnglishOne)
{
    const std::vector<std::wstring> keys = { L"Ctrl + O", L"Del", L"Ctrl + S", L"ESC", L"F1", L"Alt + F4" };
    for (const auto& page : HelpPages()) {
        if (std::string(page.name) == "Swedish")
            continue; // the Swedish page words its shortcut section its own way
        const std::vector<std::wstring> lines = VisibleLines(Text(page.fill, 91));
        for (std::size_t k = 0; k < keys.size(); ++k) {
            const std::wstring& line = lines[lines.size() - 6 + k];
            const std::wstring suffix = L": " + keys[k];
            ASSERT_GT(line.size(), suffix.size()) << page.name;
            EXPECT_EQ(suffix, line.substr(line.size() - suffix.size())) << page.name << ": " << Utf8(line);
        }
    }
}

TEST(HelpPages, EveryTableWithAHelpPageHasItsTitleToo)
{
    for (const auto& table : AllTables()) {
        const std::set<int> ids = IdsOf(table.fill);
        EXPECT_EQ(ids.count(90), ids.count(91)) << table.name;
    }
}

} // namespace
