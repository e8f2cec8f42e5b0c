// The options page in a real frame: exclusive file handling, its event, language codes, settings.
#include "ui/OptionsPanel.h"
#include "support/GuiTestSupport.h"

#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/fileconf.h>
#include <wx/settings.h>

using namespace gui_test;

namespace {

// Sets the system language for the life of the object.
class CSystemLanguage {
public:
    explicit CSystemLanguage(const char* locale)
    {
        const char* old = std::getenv("LC_ALL");
        hadOld = old != nullptr;
        if (hadOld)
            oldValue = old;
        setenv("LC_ALL", locale, 1);
    }
    ~CSystemLanguage()
    {
        if (hadOld)
            setenv("LC_ALL", oldValue.c_str(), 1);
        else
            unsetenv("LC_ALL");
    }

private:
    bool hadOld = false;
    std::string oldValue;
};

class OptionsPage : public CPageTest<COptionsPanel> {
protected:
    void Open() { OpenPage(); }
    wxCheckBox* Box(int id) { return dynamic_cast<wxCheckBox*>(page->FindWindow(id)); }
    wxCheckBox* Merge() { return Box(COptionsPanel::ID_MERGE_BEFORE_SPLIT); }
    wxCheckBox* Separately() { return Box(COptionsPanel::ID_SPLIT_SEPARATELY); }
    wxChoice* Language() { return dynamic_cast<wxChoice*>(page->FindWindow(COptionsPanel::ID_LANGUAGE)); }
    size_t OptionEvents()
    {
        size_t count = 0;
        for (const TRecordedEvent& event : frame->events)
            if (event.type == wxEVT_OPTIONS_CHANGED) {
                EXPECT_EQ(page, event.object);
                EXPECT_EQ(page->GetId(), event.id);
                ++count;
            }
        return count;
    }
};

} // namespace

TEST(LanguageCodes, IndexAndCodeMapBothWays)
{
    const wchar_t* codes[] = { L"en", L"de", L"es", L"fr", L"pl", L"sv", L"pt" };
    for (int index = 0; index < 7; ++index) {
        EXPECT_EQ(codes[index], LanguageIndexToCode(index));
        EXPECT_EQ(index, LanguageCodeToIndex(codes[index]));
    }
}

TEST(LanguageCodes, UnknownValuesMeanEnglish)
{
    EXPECT_EQ(L"en", LanguageIndexToCode(-1));
    EXPECT_EQ(L"en", LanguageIndexToCode(7));
    EXPECT_EQ(0, LanguageCodeToIndex(L"DE"));
    EXPECT_EQ(0, LanguageCodeToIndex(L"nl"));
    EXPECT_EQ(0, LanguageCodeToIndex(L""));
    EXPECT_EQ(0, LanguageCodeToIndex(L"de_DE"));
}

TEST_F(OptionsPage, StartsWithTheInitialStatesAndSendsNothing)
{
    Open();
    EXPECT_FALSE(Box(COptionsPanel::ID_SAVE_SETTINGS)->GetValue());
    EXPECT_TRUE(page->GetCreatePlayListFile());
    EXPECT_FALSE(page->GetSplitAllFilesSeparately());
    EXPECT_TRUE(page->GetMergeBeforeSplit());
    EXPECT_FALSE(page->GetDefaultDstIsSrcDir());
    EXPECT_TRUE(page->GetCreateSplitSubDir());
    EXPECT_EQ(7u, Language()->GetCount());
    EXPECT_EQ("Portuguese", Language()->GetString(6));
    EXPECT_EQ(0u, OptionEvents());
}

TEST_F(OptionsPage, SplittingSeparatelyUnchecksMergeAndAlwaysSendsOneEvent)
{
    Open();
    Toggle(Separately());
    EXPECT_TRUE(page->GetSplitAllFilesSeparately());
    EXPECT_FALSE(page->GetMergeBeforeSplit());
    EXPECT_EQ(1u, OptionEvents());
    Toggle(Separately());
    EXPECT_FALSE(page->GetSplitAllFilesSeparately());
    EXPECT_FALSE(page->GetMergeBeforeSplit());
    EXPECT_EQ(2u, OptionEvents());
}

TEST_F(OptionsPage, MergeSendsAnEventOnlyWhenItUnchecksSplittingSeparately)
{
    Open();
    Toggle(Merge());
    EXPECT_FALSE(page->GetMergeBeforeSplit());
    EXPECT_EQ(0u, OptionEvents());
    Toggle(Separately());
    EXPECT_EQ(1u, OptionEvents());
    Toggle(Merge());
    EXPECT_TRUE(page->GetMergeBeforeSplit());
    EXPECT_FALSE(page->GetSplitAllFilesSeparately());
    EXPECT_EQ(2u, OptionEvents());
}

TEST_F(OptionsPage, RealClicksNeverLeaveBothChecked)
{
    Open();
    Click(Separately());
    EXPECT_TRUE(page->GetSplitAllFilesSeparately());
    EXPECT_FALSE(page->GetMergeBeforeSplit());
    Click(Merge());
    EXPECT_TRUE(page->GetMergeBeforeSplit());
    EXPECT_FALSE(page->GetSplitAllFilesSeparately());
    EXPECT_EQ(2u, OptionEvents());
}

TEST_F(OptionsPage, BothStoredCheckedShowBothUntilTheNextClick)
{
    CTempConfig store;
    store.Config().Write("/Options/MergeBeforeSplit", true);
    store.Config().Write("/Options/SplitAllFilesSeparately", true);
    Open();
    EXPECT_TRUE(page->GetMergeBeforeSplit());
    EXPECT_TRUE(page->GetSplitAllFilesSeparately());
    Toggle(Merge());
    EXPECT_FALSE(page->GetMergeBeforeSplit());
    EXPECT_FALSE(page->GetSplitAllFilesSeparately());
}

TEST_F(OptionsPage, SettingsSurviveADestroyAndRecreate)
{
    CTempConfig store;
    Open();
    Box(COptionsPanel::ID_SAVE_SETTINGS)->SetValue(true);
    Toggle(Separately());
    Box(COptionsPanel::ID_CREATE_PLAYLIST)->SetValue(false);
    Box(COptionsPanel::ID_CREATE_SUB_DIR)->SetValue(false);
    Box(COptionsPanel::ID_DEFAULT_DST_IS_SRC_DIR)->SetValue(true);
    Select(Language(), 5);
    Close();
    store.Reload();
    EXPECT_EQ("sv", store.Config().Read("/Options/Language", ""));
    EXPECT_TRUE(store.Config().ReadBool("/Options/SaveSettings", false));

    Open();
    EXPECT_TRUE(Box(COptionsPanel::ID_SAVE_SETTINGS)->GetValue());
    EXPECT_TRUE(page->GetSplitAllFilesSeparately());
    EXPECT_FALSE(page->GetMergeBeforeSplit());
    EXPECT_FALSE(page->GetCreatePlayListFile());
    EXPECT_FALSE(page->GetCreateSplitSubDir());
    EXPECT_TRUE(page->GetDefaultDstIsSrcDir());
    EXPECT_EQ(5, Language()->GetSelection());
}

TEST_F(OptionsPage, UncheckedSaveSettingsIsStillWrittenWithEverythingElse)
{
    CTempConfig store;
    Open();
    Close();
    store.Reload();
    bool saved = true;
    EXPECT_TRUE(store.Config().Read("/Options/SaveSettings", &saved));
    EXPECT_FALSE(saved);
    for (const char* key :
        { "/Options/MergeBeforeSplit", "/Options/SplitAllFilesSeparately", "/Options/CreatePlayListFile",
            "/Options/CreateSplitSubDir", "/Options/DefaultDstIsSrcDir", "/Options/Language" })
        EXPECT_TRUE(store.Config().Exists(key)) << key;
}

TEST_F(OptionsPage, AStoredCodeInCapitalsSelectsEnglishAndIsWrittenBackAsEnglish)
{
    CTempConfig store;
    store.Config().Write("/Options/Language", "DE");
    Open();
    EXPECT_EQ(0, Language()->GetSelection());
    Close();
    EXPECT_EQ("en", store.Config().Read("/Options/Language", ""));
}

TEST_F(OptionsPage, TheSystemLanguageIsPreselected)
{
    // The system only knows a language whose locale is installed.
    const std::string current = setlocale(LC_ALL, nullptr);
    const bool installed = setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    setlocale(LC_ALL, current.c_str());
    if (!installed)
        GTEST_SKIP() << "no German locale installed";
    CSystemLanguage german("de_DE.UTF-8");
    Open();
    EXPECT_EQ(1, Language()->GetSelection());
}

TEST_F(OptionsPage, ASystemLanguageOutsideTheSevenPreselectsEnglish)
{
    CTempConfig store;
    {
        CSystemLanguage dutch("nl_NL.UTF-8");
        Open();
        EXPECT_EQ(0, Language()->GetSelection());
        Close();
    }
    EXPECT_EQ("en", store.Config().Read("/Options/Language", ""));
}

TEST_F(OptionsPage, Screenshot)
{
    Open();
    const std::string path = SaveScreenshot(page, "options_page");
    // By default files are merged before the split, not split separately.
    const wxColour selection = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT);
    EXPECT_GT(CountPixels(path, page->FindWindow(COptionsPanel::ID_MERGE_BEFORE_SPLIT), selection), 20);
    EXPECT_EQ(0, CountPixels(path, page->FindWindow(COptionsPanel::ID_SPLIT_SEPARATELY), selection));
}
