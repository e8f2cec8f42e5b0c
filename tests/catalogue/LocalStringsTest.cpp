// The catalogue: choosing the language from the locale name, lookups with English fallback, the log line.
#include "catalogue/LocalStrings.h"
#include "TableChecks.h"
#include "engine/LogStore.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <wx/init.h>
#include <wx/intl.h>

using namespace table_checks;

namespace {

class LocalStringsTest : public ::testing::Test {
protected:
    // The program builds its catalogue once wxWidgets is up; the locale needs that.
    wxInitializer initializer;

    void SetUp() override { LogStore::Instance().Clear(); }
    void TearDown() override { LogStore::Instance().Clear(); }

    // The map that a system locale of this canonical name gives.
    static loc::TStringTable CurrentFor(const wxString& canonicalName)
    {
        loc::TStringTable current;
        loc::CLocalStrings::LoadLanguage(loc::CLocalStrings::LanguageCodeOf(canonicalName), current);
        return current;
    }
};

TEST_F(LocalStringsTest, TheCodeIsTheFirstTwoCharactersOfTheLocaleName)
{
    EXPECT_EQ(L"de", loc::CLocalStrings::LanguageCodeOf(L"de_DE"));
    EXPECT_EQ(L"de", loc::CLocalStrings::LanguageCodeOf(L"de_AT"));
    EXPECT_EQ(L"pt", loc::CLocalStrings::LanguageCodeOf(L"pt_BR"));
    EXPECT_EQ(L"it", loc::CLocalStrings::LanguageCodeOf(L"it"));
    EXPECT_EQ(L"d", loc::CLocalStrings::LanguageCodeOf(L"d"));
    EXPECT_EQ(L"", loc::CLocalStrings::LanguageCodeOf(L""));
}

TEST_F(LocalStringsTest, GermanLocalesLoadTheGermanTable)
{
    EXPECT_EQ(TableOf(loc::FillGerman), CurrentFor(L"de_DE"));
    EXPECT_EQ(TableOf(loc::FillGerman), CurrentFor(L"de_AT"));
}

TEST_F(LocalStringsTest, EachLoadedLanguageGetsItsOwnTable)
{
    EXPECT_EQ(TableOf(loc::FillEnglish), CurrentFor(L"en_GB"));
    EXPECT_EQ(TableOf(loc::FillSpanish), CurrentFor(L"es_ES"));
    EXPECT_EQ(TableOf(loc::FillFrench), CurrentFor(L"fr_CA"));
    EXPECT_EQ(TableOf(loc::FillPolish), CurrentFor(L"pl_PL"));
    EXPECT_EQ(TableOf(loc::FillSwedish), CurrentFor(L"sv_SE"));
    EXPECT_EQ(TableOf(loc::FillPortuguese), CurrentFor(L"pt_PT"));
}

TEST_F(LocalStringsTest, LanguagesWithoutALoadedTableLoadNothing)
{
    for (const wchar_t* name :
        { L"it_IT", L"nl_NL", L"zh_CN", L"ar", L"eu_ES", L"hr_HR", L"ja_JP", L"", L"DE", L"De_DE", L"x" })
        EXPECT_TRUE(CurrentFor(name).empty()) << wxString(name);
}

TEST_F(LocalStringsTest, TheLogLineNamesTheCodeWhateverItIs)
{
    CurrentFor(L"de_DE");
    CurrentFor(L"zh_TW");
    CurrentFor(L"");
    const std::vector<std::wstring> lines = LogStore::Instance().Lines();
    ASSERT_EQ(3u, lines.size());
    EXPECT_EQ(L"INFO: Language (ISO 639): de\n", lines[0]);
    EXPECT_EQ(L"INFO: Language (ISO 639): zh\n", lines[1]);
    EXPECT_EQ(L"INFO: Language (ISO 639): \n", lines[2]);
}

TEST_F(LocalStringsTest, ACodeWithPercentSignsIsLoggedVerbatim)
{
    loc::TStringTable current;
    loc::CLocalStrings::LoadLanguage(L"%s", current);
    EXPECT_TRUE(current.empty());
    EXPECT_EQ(L"INFO: Language (ISO 639): %s\n", LogStore::Instance().Lines().at(0));
}

TEST_F(LocalStringsTest, ConstructionReadsTheSystemLanguageAndAlwaysHasEnglish)
{
    const loc::CLocalStrings strings;
    const std::vector<std::wstring> lines = LogStore::Instance().Lines();
    ASSERT_EQ(1u, lines.size());
    EXPECT_EQ(0u, lines[0].find(L"INFO: Language (ISO 639): "));
    EXPECT_EQ(L"Vellomar", strings.GetString(1));
    EXPECT_EQ(L"1.9", strings.GetString(3));
    EXPECT_EQ(L"1.9.4.2144", strings.GetString(4));
}

// wxLocale takes the default language from the environment, as a desktop session sets it.
class ScopedLocaleEnvironment {
public:
    explicit ScopedLocaleEnvironment(const char* value) { setenv("LC_ALL", value, 1); }
    ~ScopedLocaleEnvironment() { unsetenv("LC_ALL"); }
};

TEST_F(LocalStringsTest, ThePlainCLocaleCountsAsEnglish)
{
    ScopedLocaleEnvironment environment("C");
    const loc::CLocalStrings strings;
    EXPECT_EQ(L"INFO: Language (ISO 639): en\n", LogStore::Instance().Lines().at(0));
    EXPECT_TRUE(strings.IsComplete());
    EXPECT_EQ(L"Add", strings.GetString(5));
}

TEST_F(LocalStringsTest, ALocaleTheSystemLacksGivesEnglishWithoutComplaint)
{
    ScopedLocaleEnvironment environment("xx_YY.UTF-8");
    const loc::CLocalStrings strings;
    const std::vector<std::wstring> lines = LogStore::Instance().Lines();
    ASSERT_EQ(1u, lines.size());
    EXPECT_EQ(L"INFO: Language (ISO 639): \n", lines[0]);
    EXPECT_FALSE(strings.IsComplete());
    EXPECT_EQ(L"Add", strings.GetString(5));
}

TEST_F(LocalStringsTest, AGermanEnvironmentGivesGermanTexts)
{
    if (!wxLocale::IsAvailable(wxLANGUAGE_GERMAN))
        GTEST_SKIP() << "no German locale on this system";
    ScopedLocaleEnvironment environment("de_DE.UTF-8");
    const loc::CLocalStrings strings;
    EXPECT_EQ(L"INFO: Language (ISO 639): de\n", LogStore::Instance().Lines().at(0));
    EXPECT_EQ(L"Hinzufügen", strings.GetString(5));
}

TEST_F(LocalStringsTest, UnknownIdsAreReportedAsUnavailableInEveryLanguage)
{
    loc::CLocalStrings strings;
    for (const wchar_t* code : { L"", L"de", L"en", L"es", L"fr", L"pl", L"sv", L"pt" }) {
        strings.SetLanguage(code);
        for (int id : { 0, 2, 85, 86, -1, 155 })
            EXPECT_EQ(L"STRING NOT AVAILABLE", strings.GetString(id)) << wxString(code) << " " << id;
        EXPECT_EQ(L"Vellomar", strings.GetString(1));
        EXPECT_EQ(L"1.9", strings.GetString(3));
        EXPECT_EQ(L"1.9.4.2144", strings.GetString(4));
    }
}

TEST_F(LocalStringsTest, WithNoTableLoadedEveryTextIsEnglishAndId92IsTheEnglishNotice)
{
    loc::CLocalStrings strings;
    strings.SetLanguage(L"it");
    const loc::TStringTable english = TableOf(loc::FillEnglish);
    for (const auto& entry : english)
        EXPECT_EQ(entry.second, strings.GetString(entry.first)) << entry.first;
    EXPECT_NE(TableOf(loc::FillCommon).at(92), strings.GetString(92));
}

TEST_F(LocalStringsTest, GermanCoversEverythingButTheRightsNotice)
{
    loc::CLocalStrings strings;
    strings.SetLanguage(L"de");
    const loc::TStringTable german = TableOf(loc::FillGerman);
    for (int id : EnglishIds()) {
        if (id == 36)
            EXPECT_EQ(TableOf(loc::FillEnglish).at(36), strings.GetString(36));
        else
            EXPECT_EQ(german.at(id), strings.GetString(id)) << id;
    }
}

TEST_F(LocalStringsTest, FrenchShowsTheEnglishHelpAndGapsInEnglish)
{
    loc::CLocalStrings strings;
    strings.SetLanguage(L"fr");
    const loc::TStringTable english = TableOf(loc::FillEnglish);
    EXPECT_EQ(L"Vellomar Help", strings.GetString(90));
    EXPECT_EQ(english.at(91), strings.GetString(91));
    EXPECT_EQ(L"Move up", strings.GetString(17));
    EXPECT_EQ(L"Ajoute", strings.GetString(5));
}

TEST_F(LocalStringsTest, TextsComeBackWithTheirPlaceholdersForTheCallerToFill)
{
    loc::CLocalStrings strings;
    strings.SetLanguage(L"de");
    EXPECT_EQ(L"%s hinzugefügt.", strings.GetString(50));
    EXPECT_EQ(L"book.mp3 hinzugefügt.", wxString::Format(strings.GetString(50), L"book.mp3"));
    EXPECT_EQ(L"Minimale Kapitellänge auf 7 Minuten geändert.", wxString::Format(strings.GetString(55), 7));
    strings.SetLanguage(L"fr");
    EXPECT_EQ(L"Ce fichier ne peut pas être ouvert.", wxString::Format(strings.GetString(68), L"book.mp3"));
}

TEST_F(LocalStringsTest, SetLanguageReplacesTheCurrentTable)
{
    loc::CLocalStrings strings;
    strings.SetLanguage(L"es");
    EXPECT_EQ(L"Añadir", strings.GetString(5));
    strings.SetLanguage(L"DE");
    EXPECT_EQ(L"Add", strings.GetString(5));
}

TEST_F(LocalStringsTest, OnlyEnglishIsComplete)
{
    loc::CLocalStrings strings;
    strings.SetLanguage(L"en");
    EXPECT_TRUE(strings.IsComplete());
    for (const wchar_t* code : { L"de", L"es", L"fr", L"pl", L"sv", L"pt", L"", L"nl" }) {
        strings.SetLanguage(code);
        EXPECT_FALSE(strings.IsComplete()) << wxString(code);
    }
}

} // namespace
