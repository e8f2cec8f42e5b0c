// The ID3 tag page in a real frame: enable states, proposals, the genre rule, the example line,
// the tag record and the twelve settings.
#include "ui/ID3TagPanel.h"
#include "support/GuiTestSupport.h"

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/fileconf.h>
#include <wx/radiobox.h>
#include <wx/settings.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

using namespace gui_test;

namespace {

class ID3TagPage : public CPageTest<CID3TagPanel> {
protected:
    void Open(bool force = false)
    {
        OpenPage();
        // The main window tells the page at once whether proposals are forced.
        page->SetForceProposals(force);
    }
    // A page with DefaultSettings switched off, as a user who edits the tags has it.
    void OpenForEditing()
    {
        Open();
        if (DefaultSettings()->GetValue())
            Toggle(DefaultSettings());
    }

    wxWindow* Named(const char* name) { return FindByName(page, name); }
    wxCheckBox* Box(int id) { return dynamic_cast<wxCheckBox*>(page->FindWindow(id)); }
    wxCheckBox* DefaultSettings() { return Box(CID3TagPanel::ID_DEFAULT_SETTINGS); }
    wxCheckBox* CreateTag() { return Box(CID3TagPanel::ID_CREATE_TAG); }
    wxCheckBox* TitleProposal() { return Box(CID3TagPanel::ID_TITLE_PROPOSAL); }
    wxCheckBox* AlbumProposal() { return Box(CID3TagPanel::ID_ALBUM_PROPOSAL); }
    wxChoice* Version() { return dynamic_cast<wxChoice*>(page->FindWindow(CID3TagPanel::ID_VERSION)); }
    wxChoice* Format()
    {
        return dynamic_cast<wxChoice*>(page->FindWindow(CID3TagPanel::ID_TRACK_NUMBER_FORMAT));
    }
    wxRadioBox* Position()
    {
        return dynamic_cast<wxRadioBox*>(page->FindWindow(CID3TagPanel::ID_TRACK_NUMBER_POSITION));
    }
    wxTextCtrl* Field(const char* name) { return dynamic_cast<wxTextCtrl*>(Named(name)); }
    wxTextCtrl* Title() { return dynamic_cast<wxTextCtrl*>(page->FindWindow(CID3TagPanel::ID_TITLE)); }
    wxString Example() { return Named("Example")->GetLabel(); }
};

} // namespace

TEST_F(ID3TagPage, WithDefaultSettingsEverythingBelowIsLocked)
{
    Open();
    ASSERT_TRUE(DefaultSettings()->GetValue());
    EXPECT_TRUE(DefaultSettings()->IsEnabled());
    EXPECT_FALSE(Named("CreationArea")->IsEnabled());
    EXPECT_FALSE(CreateTag()->IsEnabled());
    EXPECT_FALSE(Named("VersionLabel")->IsEnabled());
    EXPECT_FALSE(Version()->IsEnabled());
    EXPECT_FALSE(Named("ContentArea")->IsEnabled());
    for (const char* name : { "Title", "Album", "Genre", "Author", "Comment", "GenreLabel" })
        EXPECT_FALSE(Named(name)->IsEnabled()) << name;
    EXPECT_FALSE(TitleProposal()->IsEnabled());
    EXPECT_FALSE(Format()->IsEnabled());
    EXPECT_FALSE(Position()->IsEnabled());
}

TEST_F(ID3TagPage, WithoutTagsOnlyTheCreationSwitchIsOpen)
{
    OpenForEditing();
    Toggle(CreateTag());
    EXPECT_TRUE(Named("CreationArea")->IsEnabled());
    EXPECT_TRUE(CreateTag()->IsEnabled());
    EXPECT_FALSE(Named("VersionLabel")->IsEnabled());
    EXPECT_FALSE(Version()->IsEnabled());
    EXPECT_FALSE(Named("ContentArea")->IsEnabled());
    for (const char* name : { "Title", "Album", "Genre", "Author", "Comment" })
        EXPECT_FALSE(Named(name)->IsEnabled()) << name;
    EXPECT_FALSE(TitleProposal()->IsEnabled());
}

TEST_F(ID3TagPage, WithTagsTheContentFollowsItsRules)
{
    OpenForEditing();
    EXPECT_TRUE(Version()->IsEnabled());
    EXPECT_TRUE(Named("VersionLabel")->IsEnabled());
    EXPECT_TRUE(Named("ContentArea")->IsEnabled());
    EXPECT_TRUE(TitleProposal()->IsEnabled());
    EXPECT_TRUE(AlbumProposal()->IsEnabled());
    // Proposals on: their fields are locked.
    EXPECT_FALSE(Title()->IsEnabled());
    EXPECT_FALSE(Field("Album")->IsEnabled());
    EXPECT_TRUE(Field("Genre")->IsEnabled());
    EXPECT_TRUE(Named("GenreLabel")->IsEnabled());
    EXPECT_TRUE(Field("Author")->IsEnabled());
    EXPECT_TRUE(Field("Comment")->IsEnabled());
    EXPECT_TRUE(Format()->IsEnabled());
    EXPECT_TRUE(Position()->IsEnabled());

    Toggle(TitleProposal());
    Toggle(AlbumProposal());
    EXPECT_TRUE(Title()->IsEnabled());
    EXPECT_TRUE(Field("Album")->IsEnabled());
}

TEST_F(ID3TagPage, ReenablingTagsKeepsTheGenreLockedForID3v1)
{
    OpenForEditing();
    Select(Version(), TId3TagInfo::EId3v1);
    Toggle(CreateTag());
    Toggle(CreateTag());
    EXPECT_TRUE(Named("ContentArea")->IsEnabled());
    EXPECT_FALSE(Field("Genre")->IsEnabled());
    EXPECT_FALSE(Named("GenreLabel")->IsEnabled());
    EXPECT_TRUE(Field("Author")->IsEnabled());
}

TEST_F(ID3TagPage, ForcedProposalsAreCheckedLockedAndFollowEachFile)
{
    OpenForEditing();
    Toggle(TitleProposal());
    Toggle(AlbumProposal());
    page->SetForceProposals(true);
    EXPECT_TRUE(TitleProposal()->GetValue());
    EXPECT_FALSE(TitleProposal()->IsEnabled());
    EXPECT_TRUE(AlbumProposal()->GetValue());
    EXPECT_FALSE(AlbumProposal()->IsEnabled());

    page->SetFileName("Chapter 7");
    EXPECT_EQ("Chapter 7", Title()->GetValue());
    EXPECT_EQ("Chapter 7", Field("Album")->GetValue());
    EXPECT_EQ("Example: 001 Chapter 7", Example());

    // Freed again: the boxes open up but stay checked.
    page->SetForceProposals(false);
    EXPECT_TRUE(TitleProposal()->IsEnabled());
    EXPECT_TRUE(TitleProposal()->GetValue());
    EXPECT_TRUE(AlbumProposal()->GetValue());
}

TEST_F(ID3TagPage, AFileNameWaitsWhileTheTitleProposalIsOff)
{
    OpenForEditing();
    Toggle(TitleProposal());
    Title()->SetValue("My own title");
    page->SetFileName("book");
    EXPECT_EQ("My own title", Title()->GetValue());
    Toggle(TitleProposal());
    EXPECT_EQ("book", Title()->GetValue());
    EXPECT_EQ("book", Field("Album")->GetValue());
}

TEST_F(ID3TagPage, TheAlbumFollowsTheTitleWhileItIsTyped)
{
    OpenForEditing();
    Toggle(TitleProposal());
    Title()->SetFocus();
    Title()->SetInsertionPointEnd();
    PumpEvents(100);
    wxUIActionSimulator typist;
    typist.Text("Book");
    PumpEvents(200);
    const wxString typed = Title()->GetValue();
    EXPECT_TRUE(typed.EndsWith("Book")) << typed;
    EXPECT_EQ(typed, Field("Album")->GetValue());
    EXPECT_EQ("Example: 001 " + typed, Example());
}

TEST_F(ID3TagPage, ID3v1VersionsForceTheSpeechGenreWhichTheRecordLeavesEmpty)
{
    OpenForEditing();
    Select(Version(), TId3TagInfo::EId3v1);
    EXPECT_EQ("Speech", Field("Genre")->GetValue());
    EXPECT_FALSE(Field("Genre")->IsEnabled());
    EXPECT_EQ(L"", page->GetTagInfo().genre);

    Select(Version(), TId3TagInfo::EId3v1AndV2);
    EXPECT_FALSE(Field("Genre")->IsEnabled());

    Select(Version(), TId3TagInfo::EId3v2);
    EXPECT_TRUE(Field("Genre")->IsEnabled());
    EXPECT_EQ("Speech", Field("Genre")->GetValue());
    EXPECT_EQ(L"", page->GetTagInfo().genre);

    Field("Genre")->SetValue("speech");
    EXPECT_EQ(L"speech", page->GetTagInfo().genre);
    Field("Genre")->SetValue("Audio drama");
    EXPECT_EQ(L"Audio drama", page->GetTagInfo().genre);
}

TEST_F(ID3TagPage, TheExampleLineShowsFormatAndPosition)
{
    OpenForEditing();
    Toggle(TitleProposal());
    Title()->SetValue("Book");
    const struct {
        int format;
        int position;
        const char* line;
    } rows[] = {
        { 0, 1, "Example: Book 1" },
        { 1, 1, "Example: Book 01" },
        { 2, 0, "Example: 001 Book" },
        { 3, 0, "Example: 0001 Book" },
    };
    for (const auto& row : rows) {
        Select(Format(), row.format);
        Select(Position(), row.position);
        EXPECT_EQ(row.line, Example());
    }
    Title()->SetValue("");
    EXPECT_EQ("Example: ", Example());
    Title()->SetValue("Tom & Jerry");
    EXPECT_EQ("Example: 0001 Tom & Jerry", dynamic_cast<wxStaticText*>(Named("Example"))->GetLabelText());
}

TEST_F(ID3TagPage, TheRecordCarriesWhatTheControlsShow)
{
    OpenForEditing();
    Toggle(TitleProposal());
    Toggle(AlbumProposal());
    Title()->SetValue(" Title ");
    Field("Album")->SetValue("Album");
    Field("Author")->SetValue("Author");
    Field("Comment")->SetValue("line one\nline two");
    Field("Genre")->SetValue("Audiobook");
    Select(Format(), 3);
    Select(Position(), 1);
    Select(Version(), TId3TagInfo::EId3v2);
    TId3TagInfo info = page->GetTagInfo();
    EXPECT_TRUE(info.createTag);
    EXPECT_FALSE(info.trackNumberFirst);
    EXPECT_EQ(4u, info.trackDigits);
    EXPECT_EQ(TId3TagInfo::EId3v2, info.version);
    EXPECT_EQ(L" Title ", info.title);
    EXPECT_EQ(L"Album", info.album);
    EXPECT_EQ(L"Author", info.artist);
    EXPECT_EQ(L"line one\nline two", info.comment);
    EXPECT_EQ(L"Audiobook", info.genre);

    Toggle(CreateTag());
    info = page->GetTagInfo();
    EXPECT_FALSE(info.createTag);
    EXPECT_EQ(L"Album", info.album);
}

TEST_F(ID3TagPage, DefaultSettingsRestoreTheDefaultsAndKeepThemWhenSwitchedOff)
{
    OpenForEditing();
    Select(Version(), TId3TagInfo::EId3v1);
    Select(Format(), 0);
    Select(Position(), 1);
    Field("Author")->SetValue("Somebody");
    Toggle(DefaultSettings());
    Toggle(DefaultSettings());
    const TId3TagInfo info = page->GetTagInfo();
    EXPECT_EQ(TId3TagInfo::EId3v2, info.version);
    EXPECT_EQ(L"Audiobook", info.genre);
    EXPECT_EQ(3u, info.trackDigits);
    EXPECT_TRUE(info.trackNumberFirst);
    EXPECT_EQ(L"", info.artist);
    EXPECT_EQ(L"", info.comment);
    EXPECT_TRUE(Version()->IsEnabled());
}

TEST_F(ID3TagPage, WithoutAStoreTheTitleProposalIsTrack)
{
    Open();
    EXPECT_EQ("Track", Title()->GetValue());
    EXPECT_EQ("Track", Field("Album")->GetValue());
    EXPECT_EQ("Example: 001 Track", Example());
}

TEST_F(ID3TagPage, AnEmptyStoreStartsWithoutTitleAndTheFirstFileProposesIt)
{
    CTempConfig store;
    Open();
    EXPECT_EQ("", Title()->GetValue());
    EXPECT_EQ("", Field("Album")->GetValue());
    EXPECT_EQ("Example: ", Example());
    page->SetFileName("The Long Journey");
    EXPECT_EQ("The Long Journey", Title()->GetValue());
    EXPECT_EQ("The Long Journey", Field("Album")->GetValue());
}

TEST_F(ID3TagPage, SettingsSurviveADestroyAndRecreate)
{
    CTempConfig store;
    OpenForEditing();
    Toggle(TitleProposal());
    Toggle(AlbumProposal());
    Title()->SetValue("Saga");
    Field("Album")->SetValue("Saga, part one");
    Field("Author")->SetValue("A. Writer");
    Field("Comment")->SetValue("read by B. Reader");
    Select(Version(), TId3TagInfo::EId3v1AndV2);
    Select(Format(), 1);
    Select(Position(), 1);
    Close();
    store.Reload();
    EXPECT_FALSE(store.Config().ReadBool("/Id3TagOptions/DefaultSettings", true));
    EXPECT_EQ("Speech", store.Config().Read("/Id3TagOptions/Genre", ""));
    EXPECT_EQ(2, store.Config().ReadLong("/Id3TagOptions/Version", -1));

    Open();
    EXPECT_FALSE(DefaultSettings()->GetValue());
    EXPECT_FALSE(TitleProposal()->GetValue());
    EXPECT_FALSE(AlbumProposal()->GetValue());
    const TId3TagInfo info = page->GetTagInfo();
    EXPECT_EQ(L"Saga", info.title);
    EXPECT_EQ(L"Saga, part one", info.album);
    EXPECT_EQ(L"A. Writer", info.artist);
    EXPECT_EQ(L"read by B. Reader", info.comment);
    EXPECT_EQ(TId3TagInfo::EId3v1AndV2, info.version);
    EXPECT_EQ(2u, info.trackDigits);
    EXPECT_FALSE(info.trackNumberFirst);
    EXPECT_EQ(L"", info.genre);
    EXPECT_FALSE(Field("Genre")->IsEnabled());
    EXPECT_TRUE(Title()->IsEnabled());
    EXPECT_EQ("Example: Saga 01", Example());
}

TEST_F(ID3TagPage, OutOfRangeStoredIndicesKeepTheDefaults)
{
    CTempConfig store;
    store.Config().Write("/Id3TagOptions/DefaultSettings", false);
    store.Config().Write("/Id3TagOptions/Version", 7);
    store.Config().Write("/Id3TagOptions/TrackNumberFormat", -2);
    store.Config().Write("/Id3TagOptions/TrackNumberPosition", 2);
    Open();
    EXPECT_EQ(TId3TagInfo::EId3v2, Version()->GetSelection());
    EXPECT_EQ(2, Format()->GetSelection());
    EXPECT_EQ(0, Position()->GetSelection());
}

TEST_F(ID3TagPage, Screenshot)
{
    OpenForEditing();
    page->SetFileName("The Long Journey 01");
    Field("Author")->SetValue("A. Writer");
    const std::string path = SaveScreenshot(page, "id3_tag_page");
    // Editing the tags: the default settings are off, tag creation is on.
    const wxColour selection = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT);
    EXPECT_EQ(0, CountPixels(path, DefaultSettings(), selection));
    EXPECT_GT(CountPixels(path, CreateTag(), selection), 20);
}
