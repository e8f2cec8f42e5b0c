// The ID3 tag page: whether parts get tags, which versions, and the texts that go into them.
#pragma once

#include "engine/Id3TagInfo.h"

#include <boost/shared_ptr.hpp>
#include <wx/panel.h>

class wxCheckBox;
class wxChoice;
class wxRadioBox;
class wxStaticText;
class wxTextCtrl;
namespace loc {
class CLocalStrings;
}

class CID3TagPanel : public wxPanel {
public:
    // Window ids of the page's controls.
    enum {
        ID_DEFAULT_SETTINGS = 10001,
        ID_CREATE_TAG = 10002,
        ID_TITLE_PROPOSAL = 10003,
        ID_ALBUM_PROPOSAL = 10004,
        ID_TITLE = 10005,
        ID_TRACK_NUMBER_POSITION = 10006,
        ID_TRACK_NUMBER_FORMAT = 10007,
        ID_VERSION = 10008
    };

    // Builds the page and reads its settings. The catalogue holder must outlive the page.
    CID3TagPanel(wxWindow* parent, const boost::shared_ptr<loc::CLocalStrings>& strings);
    // Writes the twelve settings from what the controls show.
    ~CID3TagPanel() override;

    // Remembers the audio file's name (without directory and extension) for the title proposal
    // and, while the proposal is on, puts it into the title.
    void SetFileName(const wxString& name);
    // Forces (or frees) the title and album proposals; used while files are split separately.
    void SetForceProposals(bool force);
    // The tag settings of a run as the controls show them.
    TId3TagInfo GetTagInfo() const;

private:
    void OnDefaultSettings(wxCommandEvent& event);
    void OnCreateTag(wxCommandEvent& event);
    void OnTitleProposal(wxCommandEvent& event);
    void OnAlbumProposal(wxCommandEvent& event);
    void OnTitleChanged(wxCommandEvent& event);
    void OnTrackNumberPosition(wxCommandEvent& event);
    void OnTrackNumberFormat(wxCommandEvent& event);
    void OnVersion(wxCommandEvent& event);

    void ApplyDefaultSettings();
    void ApplyCreateTag();
    void LoadSettings(bool readStore);
    void UpdateTitle();
    void UpdateAlbum();
    void UpdateGenre();
    void UpdateExample();
    // Sets the title as typing would, with the album proposal and the example following it.
    void SetTitleText(const wxString& text);
    void TitleChanged();

    const boost::shared_ptr<loc::CLocalStrings>& strings;
    wxCheckBox* defaultSettings;
    wxPanel* creationArea;
    wxCheckBox* createTag;
    wxStaticText* versionLabel;
    wxChoice* version;
    wxPanel* contentArea;
    wxCheckBox* titleProposal;
    wxTextCtrl* title;
    wxStaticText* example;
    wxChoice* trackNumberFormat;
    wxRadioBox* trackNumberPosition;
    wxCheckBox* albumProposal;
    wxTextCtrl* album;
    wxStaticText* genreLabel;
    wxTextCtrl* genre;
    wxTextCtrl* author;
    wxTextCtrl* comment;
    bool forceProposals;
    wxString fileName;

    wxDECLARE_EVENT_TABLE();
};
