// The options page: file and directory handling, the playlist, the language and saved settings.
#include "ui/OptionsPanel.h"

#include "catalogue/LocalStrings.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/config.h>
#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

wxDEFINE_EVENT(wxEVT_OPTIONS_CHANGED, wxCommandEvent);

namespace {

const char* const kSaveSettingsKey = "/Options/SaveSettings";
const char* const kMergeBeforeSplitKey = "/Options/MergeBeforeSplit";
const char* const kSplitSeparatelyKey = "/Options/SplitAllFilesSeparately";
const char* const kCreatePlayListKey = "/Options/CreatePlayListFile";
const char* const kCreateSubDirKey = "/Options/CreateSplitSubDir";
const char* const kDefaultDstIsSrcDirKey = "/Options/DefaultDstIsSrcDir";
const char* const kLanguageKey = "/Options/Language";

// The choice's languages in item order.
const wchar_t* const kLanguageCodes[] = { L"en", L"de", L"es", L"fr", L"pl", L"sv", L"pt" };
const int kLanguageCount = sizeof(kLanguageCodes) / sizeof(kLanguageCodes[0]);
const int kFirstLanguageText = 148;

// ISO 639 code of the system's user-interface language, found without changing the process locale.
wxString SystemLanguageCode()
{
    const int language = wxLocale::GetSystemLanguage();
    if (language == wxLANGUAGE_UNKNOWN)
        return wxString();
    return wxLocale::GetLanguageCanonicalName(language).Left(2);
}

} // namespace

std::wstring LanguageIndexToCode(int index)
{
    return index >= 0 && index < kLanguageCount ? kLanguageCodes[index] : kLanguageCodes[0];
}

int LanguageCodeToIndex(const std::wstring& code)
{
    for (int index = 0; index < kLanguageCount; ++index)
        if (code == kLanguageCodes[index])
            return index;
    return 0;
}

COptionsPanel::COptionsPanel(wxWindow* parent, const boost::shared_ptr<loc::CLocalStrings>& strings)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER)
    , strings(strings)
{
    wxBoxSizer* pageSizer = new wxBoxSizer(wxVERTICAL);

    wxStaticBoxSizer* general = new wxStaticBoxSizer(wxVERTICAL, this, strings->GetString(138));
    wxBoxSizer* languageRow = new wxBoxSizer(wxHORIZONTAL);
    languageRow->Add(
        new wxStaticText(this, wxID_ANY, strings->GetString(139)), 0, wxALIGN_CENTER_VERTICAL | wxALL, 5);
    wxArrayString languages;
    for (int index = 0; index < kLanguageCount; ++index)
        languages.Add(strings->GetString(kFirstLanguageText + index));
    language = new wxChoice(this, ID_LANGUAGE, wxDefaultPosition, wxDefaultSize, languages);
    language->SetLabel(strings->GetString(139));
    languageRow->Add(language, 0, wxALIGN_CENTER_VERTICAL | wxALL, 5);
    general->Add(languageRow, 0, wxALL, 0);
    saveSettings = new wxCheckBox(this, ID_SAVE_SETTINGS, strings->GetString(142));
    general->Add(saveSettings, 0, wxEXPAND | wxALL, 10);
    createPlayList = new wxCheckBox(this, ID_CREATE_PLAYLIST, strings->GetString(145));
    general->Add(createPlayList, 0, wxEXPAND | wxALL, 10);
    pageSizer->Add(general, 0, wxEXPAND | wxALL, 10);

    wxStaticBoxSizer* files = new wxStaticBoxSizer(wxVERTICAL, this, strings->GetString(140));
    splitSeparately = new wxCheckBox(this, ID_SPLIT_SEPARATELY, strings->GetString(144));
    files->Add(splitSeparately, 0, wxEXPAND | wxALL, 10);
    mergeBeforeSplit = new wxCheckBox(this, ID_MERGE_BEFORE_SPLIT, strings->GetString(143));
    files->Add(mergeBeforeSplit, 0, wxEXPAND | wxALL, 10);
    pageSizer->Add(files, 0, wxEXPAND | wxALL, 10);

    wxStaticBoxSizer* directories = new wxStaticBoxSizer(wxVERTICAL, this, strings->GetString(141));
    defaultDstIsSrcDir = new wxCheckBox(this, ID_DEFAULT_DST_IS_SRC_DIR, strings->GetString(147));
    directories->Add(defaultDstIsSrcDir, 0, wxEXPAND | wxALL, 10);
    createSubDir = new wxCheckBox(this, ID_CREATE_SUB_DIR, strings->GetString(146));
    directories->Add(createSubDir, 0, wxEXPAND | wxALL, 10);
    pageSizer->Add(directories, 0, wxEXPAND | wxALL, 10);

    SetSizer(pageSizer);
    SetAutoLayout(true);

    language->SetSelection(LanguageCodeToIndex(SystemLanguageCode().ToStdWstring()));
    saveSettings->SetValue(false);
    createPlayList->SetValue(true);
    splitSeparately->SetValue(false);
    mergeBeforeSplit->SetValue(true);
    defaultDstIsSrcDir->SetValue(false);
    createSubDir->SetValue(true);

    wxConfigBase* config = wxConfigBase::Get();
    if (!config)
        return;
    saveSettings->SetValue(config->ReadBool(kSaveSettingsKey, saveSettings->GetValue()));
    mergeBeforeSplit->SetValue(config->ReadBool(kMergeBeforeSplitKey, mergeBeforeSplit->GetValue()));
    splitSeparately->SetValue(config->ReadBool(kSplitSeparatelyKey, splitSeparately->GetValue()));
    createPlayList->SetValue(config->ReadBool(kCreatePlayListKey, createPlayList->GetValue()));
    createSubDir->SetValue(config->ReadBool(kCreateSubDirKey, createSubDir->GetValue()));
    defaultDstIsSrcDir->SetValue(config->ReadBool(kDefaultDstIsSrcDirKey, defaultDstIsSrcDir->GetValue()));
    const wxString code = config->Read(kLanguageKey, wxString(LanguageIndexToCode(language->GetSelection())));
    language->SetSelection(LanguageCodeToIndex(code.ToStdWstring()));
}

COptionsPanel::~COptionsPanel()
{
    wxConfigBase* config = wxConfigBase::Get();
    if (!config)
        return;
    config->Write(kSaveSettingsKey, saveSettings->GetValue());
    config->Write(kMergeBeforeSplitKey, mergeBeforeSplit->GetValue());
    config->Write(kSplitSeparatelyKey, splitSeparately->GetValue());
    config->Write(kCreatePlayListKey, createPlayList->GetValue());
    config->Write(kCreateSubDirKey, createSubDir->GetValue());
    config->Write(kDefaultDstIsSrcDirKey, defaultDstIsSrcDir->GetValue());
    config->Write(kLanguageKey, wxString(LanguageIndexToCode(language->GetSelection())));
}

bool COptionsPanel::GetMergeBeforeSplit() const
{
    return mergeBeforeSplit->GetValue();
}

bool COptionsPanel::GetSplitAllFilesSeparately() const
{
    return splitSeparately->GetValue();
}

bool COptionsPanel::GetCreatePlayListFile() const
{
    return createPlayList->GetValue();
}

bool COptionsPanel::GetCreateSplitSubDir() const
{
    return createSubDir->GetValue();
}

bool COptionsPanel::GetDefaultDstIsSrcDir() const
{
    return defaultDstIsSrcDir->GetValue();
}

void COptionsPanel::OnMergeBeforeSplit(wxCommandEvent&)
{
    if (!splitSeparately->GetValue())
        return;
    splitSeparately->SetValue(false);
    SendOptionsChanged();
}

void COptionsPanel::OnSplitAllFilesSeparately(wxCommandEvent&)
{
    if (mergeBeforeSplit->GetValue())
        mergeBeforeSplit->SetValue(false);
    SendOptionsChanged();
}

void COptionsPanel::SendOptionsChanged()
{
    wxCommandEvent event(wxEVT_OPTIONS_CHANGED, GetId());
    event.SetEventObject(this);
    GetEventHandler()->ProcessEvent(event);
}

// clang-format off
wxBEGIN_EVENT_TABLE(COptionsPanel, wxPanel)
    EVT_CHECKBOX(COptionsPanel::ID_MERGE_BEFORE_SPLIT, COptionsPanel::OnMergeBeforeSplit)
    EVT_CHECKBOX(COptionsPanel::ID_SPLIT_SEPARATELY, COptionsPanel::OnSplitAllFilesSeparately)
wxEND_EVENT_TABLE()
