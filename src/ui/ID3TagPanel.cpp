// The ID3 tag page: whether parts get tags, which versions, and the texts that go into them.
#include "ui/ID3TagPanel.h"

#include "catalogue/LocalStrings.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/config.h>
#include <wx/radiobox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

const char* const kDefaultSettingsKey = "/Id3TagOptions/DefaultSettings";
const char* const kCreateTagKey = "/Id3TagOptions/CreateTag";
const char* const kVersionKey = "/Id3TagOptions/Version";
const char* const kTitleKey = "/Id3TagOptions/Title";
const char* const kTitleProposalKey = "/Id3TagOptions/TitleProposal";
const char* const kTrackNumberFormatKey = "/Id3TagOptions/TrackNumberFormat";
const char* const kTrackNumberPositionKey = "/Id3TagOptions/TrackNumberPosition";
const char* const kAlbumKey = "/Id3TagOptions/Album";
const char* const kAlbumProposalKey = "/Id3TagOptions/AlbumProposal";
const char* const kGenreKey = "/Id3TagOptions/Genre";
const char* const kArtistKey = "/Id3TagOptions/Artist";
const char* const kCommentKey = "/Id3TagOptions/Comment";

const int kTrackText = 22;
const int kSpeechGenre = 125;
const int kAudiobookGenre = 126;
const int kExampleText = 129;

const int kVersionV2Only = TId3TagInfo::EId3v2;
const int kDefaultFormat = 2;

// Reads an index into a control with count entries; anything outside keeps the current one.
long ReadIndex(wxConfigBase* config, const char* key, long current, long count)
{
    const long value = config->ReadLong(key, current);
    return value >= 0 && value < count ? value : current;
}

} // namespace

CID3TagPanel::CID3TagPanel(wxWindow* parent, const boost::shared_ptr<loc::CLocalStrings>& strings)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER)
    , strings(strings)
    , forceProposals(false)
{
    wxBoxSizer* pageSizer = new wxBoxSizer(wxVERTICAL);

    defaultSettings = new wxCheckBox(this, ID_DEFAULT_SETTINGS, strings->GetString(112));
    pageSizer->Add(defaultSettings, 0, wxEXPAND | wxALL, 10);

    // Creation area.
    creationArea
        = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL, "CreationArea");
    wxStaticBoxSizer* creationSizer = new wxStaticBoxSizer(wxVERTICAL, creationArea, strings->GetString(113));
    createTag = new wxCheckBox(creationArea, ID_CREATE_TAG, strings->GetString(114));
    creationSizer->Add(createTag, 0, wxALL, 5);
    wxBoxSizer* versionRow = new wxBoxSizer(wxHORIZONTAL);
    versionLabel = new wxStaticText(
        creationArea, wxID_ANY, strings->GetString(115), wxDefaultPosition, wxDefaultSize, 0, "VersionLabel");
    wxArrayString versions;
    for (int id = 116; id <= 118; ++id)
        versions.Add(strings->GetString(id));
    version = new wxChoice(creationArea, ID_VERSION, wxDefaultPosition, wxDefaultSize, versions);
    version->SetLabel(strings->GetString(115));
    versionRow->Add(versionLabel, 0, wxALIGN_CENTER_VERTICAL | wxALL, 5);
    versionRow->Add(version, 0, wxALIGN_CENTER_VERTICAL | wxALL, 5);
    creationSizer->Add(versionRow, 0, wxALL, 0);
    creationArea->SetSizer(creationSizer);
    pageSizer->Add(creationArea, 0, wxEXPAND | wxALL, 5);

    // Content area.
    contentArea
        = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL, "ContentArea");
    wxStaticBoxSizer* contentSizer = new wxStaticBoxSizer(wxVERTICAL, contentArea, strings->GetString(119));
    wxFlexGridSizer* grid = new wxFlexGridSizer(2, 0, 0);
    grid->AddGrowableCol(1);
    grid->AddGrowableRow(9);

    const int labelFlags = wxALIGN_CENTER_VERTICAL | wxALL;
    const int fieldFlags = wxEXPAND | wxALL;
    auto addLabel = [&](int textId, const wxString& name) {
        wxStaticText* label = new wxStaticText(
            contentArea, wxID_ANY, strings->GetString(textId), wxDefaultPosition, wxDefaultSize, 0, name);
        grid->Add(label, 0, labelFlags, 5);
        return label;
    };
    auto addSpacer = [&]() { grid->Add(10, 10); };
    auto newField = [&](int id, const wxString& name, long style) {
        return new wxTextCtrl(
            contentArea, id, wxString(), wxDefaultPosition, wxDefaultSize, style, wxDefaultValidator, name);
    };

    addLabel(122, "TitleLabel");
    titleProposal = new wxCheckBox(contentArea, ID_TITLE_PROPOSAL, strings->GetString(120));
    grid->Add(titleProposal, 0, labelFlags, 5);
    addSpacer();
    title = newField(ID_TITLE, "Title", wxTE_PROCESS_ENTER);
    grid->Add(title, 1, fieldFlags, 5);
    addSpacer();
    example
        = new wxStaticText(contentArea, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, 0, "Example");
    wxFont bold = example->GetFont();
    bold.SetWeight(wxFONTWEIGHT_BOLD);
    example->SetFont(bold);
    grid->Add(example, 0, fieldFlags, 5);
    addSpacer();
    wxBoxSizer* formatRow = new wxBoxSizer(wxHORIZONTAL);
    formatRow->Add(new wxStaticText(contentArea, wxID_ANY, strings->GetString(133)), 0, labelFlags, 5);
    wxArrayString formats;
    for (int id = 134; id <= 137; ++id)
        formats.Add(strings->GetString(id));
    trackNumberFormat
        = new wxChoice(contentArea, ID_TRACK_NUMBER_FORMAT, wxDefaultPosition, wxDefaultSize, formats);
    trackNumberFormat->SetLabel(strings->GetString(133));
    formatRow->Add(trackNumberFormat, 0, labelFlags, 5);
    grid->Add(formatRow, 0, wxALL, 0);
    addSpacer();
    wxArrayString positions;
    positions.Add(strings->GetString(131));
    positions.Add(strings->GetString(132));
    trackNumberPosition = new wxRadioBox(contentArea, ID_TRACK_NUMBER_POSITION, strings->GetString(130),
        wxDefaultPosition, wxDefaultSize, positions, 1, wxRA_SPECIFY_COLS);
    grid->Add(trackNumberPosition, 0, wxALL, 5);
    addSpacer();
    addSpacer();
    addLabel(123, "AlbumLabel");
    albumProposal = new wxCheckBox(contentArea, ID_ALBUM_PROPOSAL, strings->GetString(121));
    grid->Add(albumProposal, 0, labelFlags, 5);
    addSpacer();
    album = newField(wxID_ANY, "Album", wxTE_PROCESS_ENTER);
    grid->Add(album, 1, fieldFlags, 5);
    addSpacer();
    addSpacer();
    genreLabel = addLabel(124, "GenreLabel");
    genre = newField(wxID_ANY, "Genre", wxTE_PROCESS_ENTER);
    // The genre row takes the page's extra height; the field keeps one line's height, centred
    // beside its label.
    wxBoxSizer* genreCell = new wxBoxSizer(wxVERTICAL);
    genreCell->AddStretchSpacer();
    genreCell->Add(genre, 0, wxEXPAND);
    genreCell->AddStretchSpacer();
    grid->Add(genreCell, 1, fieldFlags, 5);
    addLabel(127, "AuthorLabel");
    author = newField(wxID_ANY, "Author", wxTE_PROCESS_ENTER);
    grid->Add(author, 1, fieldFlags, 5);
    addLabel(128, "CommentLabel");
    comment = newField(wxID_ANY, "Comment", wxTE_MULTILINE);
    grid->Add(comment, 1, fieldFlags, 5);

    contentSizer->Add(grid, 1, wxEXPAND | wxALL, 0);
    contentArea->SetSizer(contentSizer);
    pageSizer->Add(contentArea, 1, wxEXPAND | wxALL, 5);
    SetSizer(pageSizer);
    SetAutoLayout(true);

    fileName = strings->GetString(kTrackText);
    LoadSettings(true);
    wxConfigBase* config = wxConfigBase::Get();
    defaultSettings->SetValue(config ? config->ReadBool(kDefaultSettingsKey, true) : true);
    ApplyDefaultSettings();
}

CID3TagPanel::~CID3TagPanel()
{
    wxConfigBase* config = wxConfigBase::Get();
    if (!config)
        return;
    config->Write(kDefaultSettingsKey, defaultSettings->GetValue());
    config->Write(kGenreKey, genre->GetValue());
    config->Write(kArtistKey, author->GetValue());
    config->Write(kCommentKey, comment->GetValue());
    config->Write(kCreateTagKey, createTag->GetValue());
    config->Write(kVersionKey, version->GetSelection());
    config->Write(kTitleKey, title->GetValue());
    config->Write(kTitleProposalKey, titleProposal->GetValue());
    config->Write(kTrackNumberFormatKey, trackNumberFormat->GetSelection());
    config->Write(kTrackNumberPositionKey, trackNumberPosition->GetSelection());
    config->Write(kAlbumKey, album->GetValue());
    config->Write(kAlbumProposalKey, albumProposal->GetValue());
}

void CID3TagPanel::SetFileName(const wxString& name)
{
    fileName = name;
    if (titleProposal->GetValue())
        SetTitleText(name);
}

void CID3TagPanel::SetForceProposals(bool force)
{
    forceProposals = force;
    UpdateTitle();
    UpdateAlbum();
}

TId3TagInfo CID3TagPanel::GetTagInfo() const
{
    TId3TagInfo info;
    info.createTag = createTag->GetValue();
    info.trackNumberFirst = trackNumberPosition->GetSelection() == 0;
    info.trackDigits = static_cast<unsigned>(trackNumberFormat->GetSelection() + 1);
    info.version = version->GetSelection();
    info.title = title->GetValue().ToStdWstring();
    info.album = album->GetValue().ToStdWstring();
    info.artist = author->GetValue().ToStdWstring();
    info.comment = comment->GetValue().ToStdWstring();
    // "Speech" is what the ID3v1 versions force; it leaves the genre to the tag writer's default.
    const wxString genreText = genre->GetValue();
    if (genreText != strings->GetString(kSpeechGenre))
        info.genre = genreText.ToStdWstring();
    return info;
}

void CID3TagPanel::OnDefaultSettings(wxCommandEvent&)
{
    ApplyDefaultSettings();
}

void CID3TagPanel::OnCreateTag(wxCommandEvent&)
{
    ApplyCreateTag();
}

void CID3TagPanel::OnTitleProposal(wxCommandEvent&)
{
    UpdateTitle();
}

void CID3TagPanel::OnAlbumProposal(wxCommandEvent&)
{
    UpdateAlbum();
}

void CID3TagPanel::OnTitleChanged(wxCommandEvent&)
{
    TitleChanged();
}

void CID3TagPanel::OnTrackNumberPosition(wxCommandEvent&)
{
    UpdateExample();
}

void CID3TagPanel::OnTrackNumberFormat(wxCommandEvent&)
{
    UpdateExample();
}

void CID3TagPanel::OnVersion(wxCommandEvent&)
{
    UpdateGenre();
}

void CID3TagPanel::ApplyDefaultSettings()
{
    if (defaultSettings->GetValue()) {
        creationArea->Disable();
        contentArea->Disable();
        LoadSettings(false);
        UpdateExample();
    } else {
        creationArea->Enable();
        ApplyCreateTag();
        UpdateGenre();
        UpdateExample();
    }
}

void CID3TagPanel::ApplyCreateTag()
{
    const bool create = createTag->GetValue();
    versionLabel->Enable(create);
    version->Enable(create);
    contentArea->Enable(create);
    if (create) {
        UpdateTitle();
        UpdateAlbum();
    }
}

void CID3TagPanel::LoadSettings(bool readStore)
{
    author->ChangeValue(wxString());
    comment->ChangeValue(wxString());
    createTag->SetValue(true);
    version->SetSelection(kVersionV2Only);
    genre->ChangeValue(strings->GetString(kAudiobookGenre));
    SetTitleText(fileName);
    titleProposal->SetValue(true);
    trackNumberPosition->SetSelection(0);
    trackNumberFormat->SetSelection(kDefaultFormat);
    album->ChangeValue(fileName == strings->GetString(kTrackText) ? wxString() : fileName);
    albumProposal->SetValue(true);

    wxConfigBase* config = readStore ? wxConfigBase::Get() : nullptr;
    if (config) {
        author->ChangeValue(config->Read(kArtistKey, author->GetValue()));
        comment->ChangeValue(config->Read(kCommentKey, comment->GetValue()));
        createTag->SetValue(config->ReadBool(kCreateTagKey, createTag->GetValue()));
        version->SetSelection(ReadIndex(config, kVersionKey, version->GetSelection(), version->GetCount()));
        SetTitleText(config->Read(kTitleKey, title->GetValue()));
        titleProposal->SetValue(config->ReadBool(kTitleProposalKey, titleProposal->GetValue()));
        fileName = config->Read(kTitleKey, wxString());
        trackNumberFormat->SetSelection(ReadIndex(
            config, kTrackNumberFormatKey, trackNumberFormat->GetSelection(), trackNumberFormat->GetCount()));
        trackNumberPosition->SetSelection(ReadIndex(config, kTrackNumberPositionKey,
            trackNumberPosition->GetSelection(), trackNumberPosition->GetCount()));
        genre->ChangeValue(config->Read(kGenreKey, genre->GetValue()));
        album->ChangeValue(config->Read(kAlbumKey, album->GetValue()));
        albumProposal->SetValue(config->ReadBool(kAlbumProposalKey, albumProposal->GetValue()));
    }
    UpdateGenre();
}

void CID3TagPanel::UpdateTitle()
{
    if (forceProposals) {
        titleProposal->SetValue(true);
        titleProposal->Disable();
    } else {
        titleProposal->Enable();
    }
    if (titleProposal->GetValue()) {
        SetTitleText(fileName);
        title->Disable();
        UpdateExample();
    } else {
        title->Enable();
    }
}

void CID3TagPanel::UpdateAlbum()
{
    if (forceProposals) {
        albumProposal->SetValue(true);
        albumProposal->Disable();
    } else {
        albumProposal->Enable();
    }
    if (albumProposal->GetValue()) {
        album->ChangeValue(title->GetValue());
        album->Disable();
    } else {
        album->Enable();
    }
}

void CID3TagPanel::UpdateGenre()
{
    const bool v2Only = version->GetSelection() == kVersionV2Only;
    if (!v2Only)
        genre->ChangeValue(strings->GetString(kSpeechGenre));
    // Disabled inside a disabled content area whatever is set here.
    genreLabel->Enable(v2Only);
    genre->Enable(v2Only);
}

void CID3TagPanel::UpdateExample()
{
    static const char* const numbers[] = { "1", "01", "001", "0001" };
    const int format = trackNumberFormat->GetSelection();
    const wxString number = numbers[format >= 0 && format < 3 ? format : 3];
    wxString line = strings->GetString(kExampleText) + " ";
    const wxString titleText = title->GetValue();
    if (!titleText.empty()) {
        if (trackNumberPosition->GetSelection() == 0)
            line += number + " " + titleText;
        else
            line += titleText + " " + number;
    }
    // A title is shown as typed: "&" is no mnemonic here.
    example->SetLabelText(line);
}

void CID3TagPanel::SetTitleText(const wxString& text)
{
    title->ChangeValue(text);
    TitleChanged();
}

void CID3TagPanel::TitleChanged()
{
    UpdateAlbum();
    UpdateExample();
}

// clang-format off
wxBEGIN_EVENT_TABLE(CID3TagPanel, wxPanel)
    EVT_CHECKBOX(CID3TagPanel::ID_DEFAULT_SETTINGS, CID3TagPanel::OnDefaultSettings)
    EVT_CHECKBOX(CID3TagPanel::ID_CREATE_TAG, CID3TagPanel::OnCreateTag)
    EVT_CHECKBOX(CID3TagPanel::ID_TITLE_PROPOSAL, CID3TagPanel::OnTitleProposal)
    EVT_CHECKBOX(CID3TagPanel::ID_ALBUM_PROPOSAL, CID3TagPanel::OnAlbumProposal)
    EVT_TEXT(CID3TagPanel::ID_TITLE, CID3TagPanel::OnTitleChanged)
    EVT_RADIOBOX(CID3TagPanel::ID_TRACK_NUMBER_POSITION, CID3TagPanel::OnTrackNumberPosition)
    EVT_CHOICE(CID3TagPanel::ID_TRACK_NUMBER_FORMAT, CID3TagPanel::OnTrackNumberFormat)
    EVT_CHOICE(CID3TagPanel::ID_VERSION, CID3TagPanel::OnVersion)
wxEND_EVENT_TABLE()
