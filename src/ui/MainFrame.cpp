// The main window: construction, settings, toolbar and page handlers; the split run lives elsewhere.
#include "ui/MainFrame.h"

#include "catalogue/LocalStrings.h"
#include "engine/Log.h"
#include "engine/PlayListFile.h"
#include "engine/SplitPointDetectorFsm.h"
#include "platform/gui/ResourceBitmaps.h"
#include "ui/AboutDialog.h"
#include "ui/HtmlDialog.h"
#include "ui/ID3TagPanel.h"
#include "ui/KeyEventHandler.h"
#include "ui/KeyEventProcessor.h"
#include "ui/ListBoxPanel.h"
#include "ui/MaskedBitmap.h"
#include "ui/NumericalLess.h"
#include "ui/OptionsPanel.h"
#include "ui/SplitPanel.h"
#include "ui/SplitReportRelay.h"
#include "ui/ToolBarStaticBox.h"

#include <boost/format.hpp>
#include <wx/config.h>
#include <wx/dir.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/imaglist.h>
#include <wx/listbox.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/progdlg.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/stdpaths.h>
#include <wx/sysopt.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>

wxDEFINE_EVENT(wxEVT_START_SPLIT, wxCommandEvent);

namespace {

const char* const kDestinationDirectoryKey = "/General/DestinationDirectory";
const char* const kSourceDirectoryKey = "/General/SourceDirectory";
const char* const kVersionKey = "/General/Version";
const char* const kTrackLengthSliderKey = "/SplitOptions/TrackLengthSlider";

const int kToolBitmapSize = 48;
const int kMinimumWindowWidth = 668;
const int kMinimumSliderWidth = 120;
const int kMinimumSliderHeight = 5;

std::wstring Wide(const wxString& text)
{
    return text.ToStdWstring();
}

} // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(CMainFrame, wxFrame)
    EVT_MENU(CMainFrame::ID_ADD_FILES, CMainFrame::OnAddFiles)
    EVT_MENU(CMainFrame::ID_REMOVE_FILE, CMainFrame::OnRemoveFile)
    EVT_MENU(CMainFrame::ID_SPLIT, CMainFrame::OnSplit)
    EVT_MENU(CMainFrame::ID_JOIN, CMainFrame::OnJoin)
    EVT_MENU(CMainFrame::ID_HELP, CMainFrame::OnHelp)
    EVT_MENU(CMainFrame::ID_ABOUT, CMainFrame::OnAbout)
    EVT_MENU(CMainFrame::ID_QUIT, CMainFrame::OnQuit)
    EVT_CLOSE(CMainFrame::OnClose)
    EVT_COMMAND_SCROLL(CMainFrame::ID_TRACK_LENGTH, CMainFrame::OnTrackLengthChanged)
    EVT_COMMAND_SCROLL(TRACK_LENGTH_EVENT_ID, CMainFrame::OnTrackLengthChanged)
    EVT_TEXT(CMainFrame::ID_TEXT, CMainFrame::OnTextUpdated)
    EVT_MENU(CMainFrame::ID_FOCUS_NOTEBOOK, CMainFrame::OnFocusNotebook)
    EVT_MENU(CMainFrame::ID_FOCUS_NOTEBOOK_2, CMainFrame::OnFocusNotebook)
    EVT_COMMAND(wxID_ANY, wxEVT_FILE_LIST_CHANGED, CMainFrame::OnFileListChanged)
    EVT_COMMAND(wxID_ANY, wxEVT_OPTIONS_CHANGED, CMainFrame::OnOptionsChanged)
    EVT_COMMAND(wxID_ANY, wxEVT_START_SPLIT, CMainFrame::StartSplit)
wxEND_EVENT_TABLE()
    // clang-format on

    wxString ReplaceForbiddenChars(const wxString& name)
{
    // The toolkit's list for Unix lacks the path separator, which would turn a title into a path.
    const wxString forbidden = wxFileName::GetForbiddenChars(wxPATH_NATIVE) + "/";
    wxString result = name;
    for (wxString::iterator it = result.begin(); it != result.end(); ++it)
        if (forbidden.Find(*it) != wxNOT_FOUND)
            *it = ' ';
    return result;
}

CMainFrame::CMainFrame(boost::shared_ptr<loc::CLocalStrings>* catalogue,
    boost::shared_ptr<CKeyEventProcessor> keyProcessor, const wxPoint& position, const wxSize& size)
    : wxFrame(nullptr, wxID_ANY, (*catalogue)->GetString(1), position, size, wxDEFAULT_FRAME_STYLE, "frame")
    , progressDialog(nullptr)
    , notebook(nullptr)
    , fileListPage(nullptr)
    , trackLengthSlider(nullptr)
    , trackLengthLabel(nullptr)
    , toolBar(nullptr)
    , closing(false)
    , catalogue(catalogue)
    , pool(1)
    , id3Page(nullptr)
    , splitPage(nullptr)
    , optionsPage(nullptr)
{
    LogInfo((boost::wformat(L"%s %s") % Wide(Text(1)) % Wide(Text(4))).str());

    wxConfigBase* config = wxConfigBase::Get();
    LogInfo(config ? L"Persistent settings loaded" : L"Persistent settings NOT found");

    wxBoxSizer* mainSizer = new wxBoxSizer(wxVERTICAL);

    destinationDirectory = wxStandardPaths::Get().GetDocumentsDir();
    sourceDirectory = destinationDirectory;
    if (config) {
        destinationDirectory = config->Read(kDestinationDirectoryKey, destinationDirectory);
        sourceDirectory = config->Read(kSourceDirectoryKey, sourceDirectory);
    }

    const wxIcon icon = platform::LoadIconResource("application");
    if (icon.IsOk())
        SetIcon(icon);

    CreateStatusBar(1, wxST_SIZEGRIP | wxFULL_REPAINT_ON_RESIZE, 0, "status_line");

    BuildToolBar();
    wxSize minimum = toolBar->GetBestSize();
    minimum.x = std::max(minimum.x, kMinimumWindowWidth);
    mainSizer->SetMinSize(minimum);

    wxPanel* panel = new wxPanel(
        this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxCLIP_CHILDREN, "panel");
    wxBoxSizer* panelSizer = new wxBoxSizer(wxVERTICAL);
    notebook = new wxNotebook(panel, ID_NOTEBOOK, wxDefaultPosition, wxDefaultSize, 0, "notebook");
    notebook->AssignImageList(CreateTabImages());

    fileListPage = new CListBoxPanel(notebook, *catalogue);
    notebook->AddPage(fileListPage, Text(29), true, EFileListPage);
    splitPage = new CSplitPanel(notebook, *catalogue);
    notebook->AddPage(splitPage, Text(31), false, ESplitPage);
    id3Page = new CID3TagPanel(notebook, *catalogue);
    notebook->AddPage(id3Page, Text(30), false, EId3Page);
    optionsPage = new COptionsPanel(notebook, *catalogue);
    notebook->AddPage(optionsPage, Text(32), false, EOptionsPage);

    panelSizer->Add(notebook, 1, wxEXPAND | wxALL, 0);
    panel->SetSizer(panelSizer);
    mainSizer->Add(panel, 1, wxEXPAND | wxALL, 0);
    SetSizer(mainSizer);
    mainSizer->Fit(this);
    mainSizer->SetSizeHints(this);

    // Fills the label and brings both sliders to the page's stored position.
    trackLengthSlider->SetValue(splitPage->GetTrackLengthPosition());
    wxScrollEvent initial(wxEVT_NULL, 0, 0);
    OnTrackLengthChanged(initial);

    DestroyChild();
    id3Page->SetForceProposals(optionsPage->GetSplitAllFilesSeparately());
    if (optionsPage->GetDefaultDstIsSrcDir())
        destinationDirectory = sourceDirectory;

    if (keyProcessor)
        RegisterShortcuts(*keyProcessor);

    SetStatusText(Text(34));
    notebook->SetFocus();
}

CMainFrame::~CMainFrame()
{
    // A running split stops before its next frame, so the pool below does not wait for a whole
    // file; its late reports are dropped with this window's pending events.
    if (splitTask)
        splitTask->Cancel();
    DestroyChild();

    wxConfigBase* config = wxConfigBase::Get();
    if (config) {
        config->Write(kVersionKey, Text(4));
        config->Write(kDestinationDirectoryKey, destinationDirectory);
        config->Write(kSourceDirectoryKey, sourceDirectory);
        config->Write(kTrackLengthSliderKey, trackLengthSlider->GetValue());
    }

    LogInfo((boost::wformat(L"%s %s closed") % Wide(Text(1)) % Wide(Text(4))).str());

    directoryWalk.reset();
    removeFileShortcut.reset();
    helpShortcut.reset();
    splitShortcut.reset();
    addFilesShortcut.reset();
    playList.reset();
    // The pool member joins its worker next (it is declared after the task, the detector and the
    // frame buffer, which therefore outlive the job).
}

wxString CMainFrame::Text(int id) const
{
    return (*catalogue)->GetString(id);
}

void CMainFrame::BuildToolBar()
{
    toolBar = wxFrame::CreateToolBar(0, wxID_ANY, "toolbar");
    // Toolbar bitmaps keep their own colours.
    wxSystemOptions::SetOption("msw.remap", 0);
    toolBar->SetToolBitmapSize(wxSize(kToolBitmapSize, kToolBitmapSize));
    toolBar->SetMargins(2, 2);

    toolBar->AddTool(ID_ADD_FILES, Text(5), LoadMaskedBitmap("tb_add"), LoadMaskedBitmap("tb_add_inactive"),
        wxITEM_NORMAL, Text(6), Text(7));
    toolBar->AddSeparator();
    toolBar->AddSeparator();
    toolBar->AddTool(ID_SPLIT, Text(11), LoadMaskedBitmap("tb_split"), LoadMaskedBitmap("tb_split_inactive"),
        wxITEM_NORMAL, Text(12), Text(13));
    // Split waits for the first file; remove has no tool but follows the same rule.
    toolBar->EnableTool(ID_SPLIT, false);
    toolBar->EnableTool(ID_REMOVE_FILE, false);
    toolBar->AddSeparator();

    CToolBarStaticBox* box = new CToolBarStaticBox(toolBar, Text(20), 3);
    trackLengthSlider = new wxSlider(box, ID_TRACK_LENGTH, 0, 0, CSplitPanel::TRACK_LENGTH_POSITIONS - 1,
        wxDefaultPosition, wxDefaultSize, wxSL_HORIZONTAL | wxSL_BOTH, wxDefaultValidator, Text(20));
    wxSize sliderSize = trackLengthSlider->GetBestSize();
    sliderSize.x = std::max(sliderSize.x, kMinimumSliderWidth);
    sliderSize.y = std::max(sliderSize.y, kMinimumSliderHeight);
    trackLengthSlider->SetMinSize(sliderSize);
    box->AddControl(trackLengthSlider, 0);
    // Sized once for the widest text, so the toolbar does not jump as the label changes.
    trackLengthLabel = new wxStaticText(box, wxID_ANY, wxString::Format(" %d %s ", 9999, Text(52)),
        wxDefaultPosition, wxDefaultSize, wxALIGN_CENTRE_VERTICAL | wxST_NO_AUTORESIZE, "staticText");
    trackLengthLabel->SetMinSize(trackLengthLabel->GetBestSize());
    box->AddControl(trackLengthLabel, 0);
    toolBar->AddControl(box);

    toolBar->AddSeparator();
    toolBar->AddSeparator();
    toolBar->AddTool(ID_HELP, Text(23), LoadMaskedBitmap("tb_help"), LoadMaskedBitmap("tb_help_inactive"),
        wxITEM_NORMAL, Text(23), Text(24));
    toolBar->AddTool(ID_ABOUT, Text(25), LoadMaskedBitmap("tb_info"), LoadMaskedBitmap("tb_info_inactive"),
        wxITEM_NORMAL, Text(25), Text(26));
    toolBar->AddTool(ID_QUIT, Text(27), LoadMaskedBitmap("tb_quit"), LoadMaskedBitmap("tb_quit_inactive"),
        wxITEM_NORMAL, Text(27), Text(28));
    toolBar->Realize();
}

wxImageList* CMainFrame::CreateTabImages()
{
    const wxBitmap first = LoadMaskedBitmap("tab_audiofiles");
    const int width = first.IsOk() ? first.GetWidth() : 0;
    const int height = first.IsOk() ? first.GetHeight() : 0;
    wxImageList* images = new wxImageList(width, height, true, 1);
    const char* const names[] = { "tab_audiofiles", "tab_split_options", "tab_id3", "tab_options" };
    for (const char* name : names) {
        const wxBitmap bitmap = LoadMaskedBitmap(name);
        // A missing picture still takes its index, so the others stay with their pages.
        images->Add(bitmap.IsOk() ? bitmap : wxBitmap(std::max(width, 1), std::max(height, 1)), *wxWHITE);
    }
    return images;
}

void CMainFrame::RegisterShortcuts(CKeyEventProcessor& keyProcessor)
{
    addFilesShortcut = keyProcessor.AddHandler(true, 'O');
    addFilesShortcut->SetCallback([this] {
        wxCommandEvent event;
        OnAddFiles(event);
    });
    splitShortcut = keyProcessor.AddHandler(true, 'S');
    splitShortcut->SetCallback([this] {
        wxCommandEvent event;
        OnSplit(event);
    });
    helpShortcut = keyProcessor.AddHandler(false, WXK_F1);
    helpShortcut->SetCallback([this] {
        wxCommandEvent event;
        OnHelp(event);
    });
    removeFileShortcut = keyProcessor.AddHandler(false, WXK_DELETE);
    removeFileShortcut->SetCallback([this] {
        wxCommandEvent event;
        OnRemoveFile(event);
    });
}

void CMainFrame::AddFile(const wxString& path)
{
    // The run reads the list by index: it must not change under it.
    if (IsSplitRunning())
        return;
    fileListPage->AddFile(path);
}

void CMainFrame::SetNamesFromFile(const wxString& path)
{
    int slash = path.Find('/', true);
    if (slash == wxNOT_FOUND)
        slash = path.Find('\\', true);
    wxString name = slash == wxNOT_FOUND ? path : path.Mid(slash + 1);
    if (name.length() > 4)
        name.RemoveLast(4);
    id3Page->SetFileName(name);
}

void CMainFrame::CreateProgressDialog()
{
    DestroyChild();
    progressDialog = new wxProgressDialog(
        Text(33), wxGetTranslation(wxString()), 100, this, wxPD_CAN_ABORT | wxPD_APP_MODAL | wxPD_SMOOTH);
    const wxRect rect = progressDialog->GetRect();
    progressDialog->SetSize(rect.x, rect.y, static_cast<int>(GetSize().GetWidth() * 0.8), rect.height);
    progressDialog->Centre(wxBOTH);
    SetStatusText(Text(58));
}

void CMainFrame::DestroyChild()
{
    if (!progressDialog)
        return;
    progressDialog->Hide();
    progressDialog->Destroy();
    progressDialog = nullptr;
}

void CMainFrame::OnAddFiles(wxCommandEvent&)
{
    // The list stays as the running split sees it.
    if (IsSplitRunning())
        return;
    notebook->SetSelection(EFileListPage);
    const wxString filter = Text(48) + " (*.mp3)|*.mp3|" + Text(49) + " (*.*)|*.*";
    wxFileDialog dialog(this, Text(46), sourceDirectory, wxEmptyString, filter,
        wxFD_OPEN | wxFD_FILE_MUST_EXIST | wxFD_MULTIPLE | wxFD_CHANGE_DIR, wxDefaultPosition, wxDefaultSize,
        "filedlg");
    if (dialog.ShowModal() != wxID_OK)
        return;
    wxArrayString paths;
    dialog.GetPaths(paths);
    paths.Sort(NumericalStringCompare);
    for (const wxString& path : paths)
        fileListPage->AddFile(path);
    fileListPage->GetListBox()->SetFocus();
}

void CMainFrame::OnRemoveFile(wxCommandEvent&)
{
    if (IsSplitRunning())
        return;
    if (notebook->GetSelection() == EFileListPage)
        fileListPage->RemoveSelected();
}

void CMainFrame::OnSplit(wxCommandEvent& event)
{
    StartSplit(event);
}

void CMainFrame::OnHelp(wxCommandEvent&)
{
    const wxString address = Text(83);
    const wxString page = "<h4><b>" + Text(1) + " " + Text(3) + "</b></h4>" + Text(36) + "<br><br>"
        + "<a href=\"" + address + "\">" + address + "</a>" + Text(91);
    const wxSize size = GetSize();
    CHtmlDialog dialog(page, this, wxID_ANY, Text(90), wxDefaultPosition,
        wxSize(static_cast<int>(size.GetWidth() * 1.3), static_cast<int>(size.GetHeight() * 1.3)),
        wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxRESIZE_BORDER);
    dialog.ShowModal();
}

void CMainFrame::OnAbout(wxCommandEvent&)
{
    CAboutDialog dialog(*catalogue, this, wxID_ANY, Text(25));
    dialog.ShowModal();
}

void CMainFrame::OnQuit(wxCommandEvent&)
{
    Close(false);
}

void CMainFrame::OnClose(wxCloseEvent&)
{
    // No question, also during a split; the running task stops before its next frame, and what
    // it reported before is dropped: no message box, no next file.
    closing = true;
    if (reportRelay)
        reportRelay->Stop();
    if (splitTask)
        splitTask->Cancel();
    Destroy();
}

void CMainFrame::OnFocusNotebook(wxCommandEvent&)
{
    notebook->SetFocus();
}

void CMainFrame::OnTrackLengthChanged(wxScrollEvent& event)
{
    if (!trackLengthLabel || !splitPage)
        return;
    const bool fromToolBar = event.GetEventObject() == trackLengthSlider;
    if (fromToolBar)
        splitPage->SetTrackLengthPosition(trackLengthSlider->GetValue());
    const int seconds = splitPage->GetTrackLength();
    wxString label;
    wxString status;
    if (seconds <= 90) {
        label = wxString::Format(" %d %s ", seconds, Text(53));
        status = wxString::Format(Text(56), seconds);
    } else {
        label = wxString::Format(" %d %s ", seconds / 60, Text(52));
        status = wxString::Format(Text(55), seconds / 60);
    }
    trackLengthLabel->SetLabel(label);
    SetStatusText(status);
    if (!fromToolBar)
        trackLengthSlider->SetValue(splitPage->GetTrackLengthPosition());
}

void CMainFrame::OnTextUpdated(wxCommandEvent&) { }

void CMainFrame::OnFileListChanged(wxCommandEvent& event)
{
    const wxString path = event.GetString();
    wxString status;
    if (!path.empty()) {
        if (event.GetInt() == 1) {
            status = wxString::Format(Text(50), path);
            sourceDirectory = wxFileName(path).GetPath(wxPATH_GET_VOLUME);
        } else {
            status = wxString::Format(Text(51), path);
        }
    }
    SetStatusText(status);
    const bool hasFiles = fileListPage->GetFileCount() > 0;
    toolBar->EnableTool(ID_SPLIT, hasFiles);
    toolBar->EnableTool(ID_REMOVE_FILE, hasFiles);
    if (hasFiles)
        SetNamesFromFile(fileListPage->GetFile(0));
}

void CMainFrame::OnOptionsChanged(wxCommandEvent&)
{
    id3Page->SetForceProposals(optionsPage->GetSplitAllFilesSeparately());
}
