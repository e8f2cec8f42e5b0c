// The options page: file and directory handling, the playlist, the language and saved settings.
#pragma once

#include <boost/shared_ptr.hpp>
#include <string>
#include <wx/event.h>
#include <wx/panel.h>

class wxCheckBox;
class wxChoice;
namespace loc {
class CLocalStrings;
}

// Sent at once (not posted) through the page's own handler whenever "Split files separately"
// changes on the page; it travels up to the main window and carries nothing else.
wxDECLARE_EVENT(wxEVT_OPTIONS_CHANGED, wxCommandEvent);

// Two-letter language code of a language choice index; "en" for 0 and anything unknown.
std::wstring LanguageIndexToCode(int index);
// Language choice index of a two-letter code (exact, case-sensitive); 0 for anything unknown.
int LanguageCodeToIndex(const std::wstring& code);

class COptionsPanel : public wxPanel {
public:
    // Window ids of the page's controls.
    enum {
        ID_LANGUAGE = 10001,
        ID_SAVE_SETTINGS,
        ID_MERGE_BEFORE_SPLIT,
        ID_SPLIT_SEPARATELY,
        ID_CREATE_PLAYLIST,
        ID_CREATE_SUB_DIR,
        ID_DEFAULT_DST_IS_SRC_DIR
    };

    // Builds the page, preselects the system language and reads the stored options. The
    // catalogue holder must outlive the page.
    COptionsPanel(wxWindow* parent, const boost::shared_ptr<loc::CLocalStrings>& strings);
    // Writes the seven options, whatever "Save settings" says.
    ~COptionsPanel() override;

    bool GetMergeBeforeSplit() const;
    bool GetSplitAllFilesSeparately() const;
    bool GetCreatePlayListFile() const;
    bool GetCreateSplitSubDir() const;
    bool GetDefaultDstIsSrcDir() const;

private:
    void OnMergeBeforeSplit(wxCommandEvent& event);
    void OnSplitAllFilesSeparately(wxCommandEvent& event);
    void SendOptionsChanged();

    const boost::shared_ptr<loc::CLocalStrings>& strings;
    wxChoice* language;
    wxCheckBox* saveSettings;
    wxCheckBox* createPlayList;
    wxCheckBox* splitSeparately;
    wxCheckBox* mergeBeforeSplit;
    wxCheckBox* defaultDstIsSrcDir;
    wxCheckBox* createSubDir;

    wxDECLARE_EVENT_TABLE();
};
