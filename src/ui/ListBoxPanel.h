// The file list page: the ordered MP3 files of a split, with buttons to move and remove them.
#pragma once

#include <boost/shared_ptr.hpp>
#include <wx/event.h>
#include <wx/panel.h>

class wxBitmapButton;
class wxDropFilesEvent;
class wxListBox;
namespace loc {
class CLocalStrings;
}

// Sent at once (not posted) through the page's own handler on every change of the list; it
// travels up to the main window. String: the added or removed path (empty for a move or a clear);
// int: 1 for added or moved, -1 for removed or cleared.
wxDECLARE_EVENT(wxEVT_FILE_LIST_CHANGED, wxCommandEvent);

class CListBoxPanel : public wxPanel {
public:
    // Window ids of the four buttons.
    enum { ID_MOVE_UP = 10001, ID_MOVE_DOWN, ID_REMOVE, ID_CLEAR };

    // Builds the page on the parent; the catalogue serves only for the labels.
    CListBoxPanel(wxWindow* parent, const boost::shared_ptr<loc::CLocalStrings>& strings);
    ~CListBoxPanel() override;

    // Adds the path after the selected entry (or at the end) and selects it, if it ends in ".mp3"
    // in any case and is longer than that; anything else is ignored silently.
    void AddFile(const wxString& path);
    // AddFile for each path in array order.
    void AddFiles(const wxArrayString& paths);
    // Removes the selected entry and returns its path; empty when nothing is selected.
    wxString RemoveSelected();
    // Empties the list (and says so even when it was empty).
    void Clear();

    // Enables the page and accepts dropped files again.
    virtual void EnablePanel();
    // Disables the page and refuses dropped files.
    virtual void DisablePanel();

    // Number of entries and the path at an index, in split order.
    unsigned int GetFileCount() const;
    wxString GetFile(unsigned int index) const;
    // The list control, for giving it the keyboard focus.
    wxListBox* GetListBox() const { return fileList; }

private:
    void OnDropFiles(wxDropFilesEvent& event);
    void OnMoveUp(wxCommandEvent& event);
    void OnMoveDown(wxCommandEvent& event);
    void OnDelete(wxCommandEvent& event);
    void OnClear(wxCommandEvent& event);

    void MoveSelected(int offset);
    void EnableButtons(bool enable);
    void Notify(const wxString& path, int change);

    wxListBox* fileList;
    wxBitmapButton* moveUpButton;
    wxBitmapButton* moveDownButton;
    wxBitmapButton* removeButton;
    wxBitmapButton* clearButton;

    wxDECLARE_EVENT_TABLE();
};
