// The file list page: the ordered MP3 files of a split, with buttons to move and remove them.
#include "ui/ListBoxPanel.h"

#include "catalogue/LocalStrings.h"
#include "ui/MaskedBitmap.h"
#include "ui/NumericalLess.h"

#include <wx/bmpbuttn.h>
#include <wx/listbox.h>
#include <wx/sizer.h>

wxDEFINE_EVENT(wxEVT_FILE_LIST_CHANGED, wxCommandEvent);

namespace {

const int kAdded = 1;
const int kRemoved = -1;

} // namespace

CListBoxPanel::CListBoxPanel(wxWindow* parent, const boost::shared_ptr<loc::CLocalStrings>& strings)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER)
{
    wxBoxSizer* pageSizer = new wxBoxSizer(wxVERTICAL);
    wxBoxSizer* buttonSizer = new wxBoxSizer(wxHORIZONTAL);

    const struct {
        int id;
        const char* bitmap;
        int label;
        wxBitmapButton** button;
    } buttons[] = {
        { ID_MOVE_UP, "button_up", 17, &moveUpButton },
        { ID_MOVE_DOWN, "button_down", 18, &moveDownButton },
        { ID_REMOVE, "button_delete", 8, &removeButton },
        { ID_CLEAR, "button_clear", 19, &clearButton },
    };
    for (const auto& b : buttons) {
        *b.button = new wxBitmapButton(
            this, b.id, LoadMaskedBitmap(b.bitmap), wxDefaultPosition, wxDefaultSize, wxBU_AUTODRAW);
        (*b.button)->SetLabel(strings->GetString(b.label));
    }

    fileList = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr,
        wxLB_SINGLE | wxLB_NEEDED_SB | wxLB_HSCROLL);
    fileList->SetLabel(strings->GetString(29));

    for (const auto& b : buttons)
        buttonSizer->Add(*b.button, 0, wxALL, 3);
    pageSizer->Add(buttonSizer, 0, wxALL, 0);
    pageSizer->Add(fileList, 1, wxEXPAND | wxALL, 3);
    pageSizer->SetMinSize(-1, 200);
    SetSizer(pageSizer, true);
    SetAutoLayout(true);

    // Files dropped onto the list itself count as dropped onto the page.
    fileList->Bind(wxEVT_DROP_FILES, &CListBoxPanel::OnDropFiles, this);

    EnableButtons(false);
    CListBoxPanel::EnablePanel();
}

CListBoxPanel::~CListBoxPanel() = default;

void CListBoxPanel::AddFile(const wxString& path)
{
    if (path.length() <= 4 || path.Right(4).Lower() != ".mp3")
        return;
    const int selected = fileList->GetSelection();
    int index;
    if (selected != wxNOT_FOUND) {
        index = selected + 1;
        fileList->Insert(path, index);
    } else {
        index = fileList->Append(path);
    }
    fileList->SetSelection(index);
    EnableButtons(true);
    Notify(path, kAdded);
}

void CListBoxPanel::AddFiles(const wxArrayString& paths)
{
    for (const wxString& path : paths)
        AddFile(path);
}

wxString CListBoxPanel::RemoveSelected()
{
    const int selected = fileList->GetSelection();
    if (selected == wxNOT_FOUND)
        return wxString();
    const wxString path = fileList->GetString(selected);
    fileList->Delete(selected);
    const int count = static_cast<int>(fileList->GetCount());
    if (selected < count)
        fileList->SetSelection(selected);
    else if (count > 0)
        fileList->SetSelection(count - 1);
    if (count == 0)
        EnableButtons(false);
    Notify(path, kRemoved);
    return path;
}

void CListBoxPanel::Clear()
{
    fileList->Clear();
    EnableButtons(false);
    Notify(wxString(), kRemoved);
}

void CListBoxPanel::EnablePanel()
{
    Enable(true);
    DragAcceptFiles(true);
    fileList->DragAcceptFiles(true);
}

void CListBoxPanel::DisablePanel()
{
    Enable(false);
    DragAcceptFiles(false);
    fileList->DragAcceptFiles(false);
}

unsigned int CListBoxPanel::GetFileCount() const
{
    return fileList->GetCount();
}

wxString CListBoxPanel::GetFile(unsigned int index) const
{
    return index < fileList->GetCount() ? fileList->GetString(index) : wxString();
}

void CListBoxPanel::OnDropFiles(wxDropFilesEvent& event)
{
    wxArrayString paths;
    const wxString* files = event.GetFiles();
    for (int i = 0; files && i < event.GetNumberOfFiles(); ++i)
        paths.Add(files[i]);
    paths.Sort(NumericalStringCompare);
    AddFiles(paths);
}

void CListBoxPanel::OnMoveUp(wxCommandEvent&)
{
    MoveSelected(-1);
}

void CListBoxPanel::OnMoveDown(wxCommandEvent&)
{
    MoveSelected(1);
}

void CListBoxPanel::OnDelete(wxCommandEvent&)
{
    RemoveSelected();
}

void CListBoxPanel::OnClear(wxCommandEvent&)
{
    Clear();
}

void CListBoxPanel::MoveSelected(int offset)
{
    const int selected = fileList->GetSelection();
    if (selected == wxNOT_FOUND)
        return;
    const int neighbour = selected + offset;
    if (neighbour < 0 || neighbour >= static_cast<int>(fileList->GetCount()))
        return;
    const wxString moved = fileList->GetString(selected);
    fileList->SetString(selected, fileList->GetString(neighbour));
    fileList->SetString(neighbour, moved);
    fileList->SetSelection(neighbour);
    Notify(wxString(), kAdded);
}

void CListBoxPanel::EnableButtons(bool enable)
{
    moveUpButton->Enable(enable);
    moveDownButton->Enable(enable);
    removeButton->Enable(enable);
    clearButton->Enable(enable);
}

void CListBoxPanel::Notify(const wxString& path, int change)
{
    wxCommandEvent event(wxEVT_FILE_LIST_CHANGED, GetId());
    event.SetEventObject(this);
    event.SetString(path);
    event.SetInt(change);
    GetEventHandler()->ProcessEvent(event);
}

// clang-format off
wxBEGIN_EVENT_TABLE(CListBoxPanel, wxPanel)
    EVT_DROP_FILES(CListBoxPanel::OnDropFiles)
    EVT_BUTTON(CListBoxPanel::ID_MOVE_UP, CListBoxPanel::OnMoveUp)
    EVT_BUTTON(CListBoxPanel::ID_MOVE_DOWN, CListBoxPanel::OnMoveDown)
    EVT_BUTTON(CListBoxPanel::ID_REMOVE, CListBoxPanel::OnDelete)
    EVT_BUTTON(CListBoxPanel::ID_CLEAR, CListBoxPanel::OnClear)
wxEND_EVENT_TABLE()
