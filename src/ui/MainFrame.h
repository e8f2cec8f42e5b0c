// The program's main window: toolbar, the four pages in a notebook, the status bar and the split run.
#pragma once

#include "engine/AudioChunks.h"
#include "engine/SplitTask.h"
#include "engine/ThreadPool.h"

#include <boost/shared_ptr.hpp>
#include <vector>
#include <wx/event.h>
#include <wx/frame.h>

class CID3TagPanel;
class CKeyEventHandler;
class CKeyEventProcessor;
class CListBoxPanel;
class COptionsPanel;
class CPlayListFile;
class CSplitPanel;
class CSplitReportRelay;
class ISplitPointDetectorFsm;
class wxDir;
class wxImageList;
class wxNotebook;
class wxProgressDialog;
class wxScrollEvent;
class wxSlider;
class wxStaticText;
class wxToolBar;
namespace loc {
class CLocalStrings;
}

// Bound to the split command of the main window; nothing in the program sends it.
wxDECLARE_EVENT(wxEVT_START_SPLIT, wxCommandEvent);

// The name with every character that file names may not contain replaced by a blank.
wxString ReplaceForbiddenChars(const wxString& name);

class CMainFrame : public wxFrame {
public:
    // Command and window ids of the toolbar and the window's own events.
    enum {
        ID_ADD_FILES = 1,
        ID_REMOVE_FILE = 2,
        ID_SPLIT = 3,
        ID_JOIN = 4,
        ID_HELP = 5,
        ID_ABOUT = 6,
        ID_QUIT = 7,
        ID_TRACK_LENGTH = 8,
        ID_TEXT = 9,
        ID_FOCUS_NOTEBOOK = 11,
        ID_FOCUS_NOTEBOOK_2 = 12,
        ID_NOTEBOOK = 13
    };
    // Notebook page indices.
    enum { EFileListPage = 0, ESplitPage = 1, EId3Page = 2, EOptionsPage = 3 };

    // Builds the whole window with its pages (which read their settings) and registers the four
    // shortcuts. catalogue points to the application's holder, which must outlive the window.
    CMainFrame(boost::shared_ptr<loc::CLocalStrings>* catalogue,
        boost::shared_ptr<CKeyEventProcessor> keyProcessor, const wxPoint& position, const wxSize& size);
    // Cancels a running split, writes the settings and waits for the pool's job to end.
    ~CMainFrame() override;

    // Adds a path to the file list (only ".mp3" names are kept).
    void AddFile(const wxString& path);
    // Gives the file's name, without directory and extension, to the ID3 page as title proposal.
    void SetNamesFromFile(const wxString& path);

    // Replaces any progress dialog by a new one and says "Splitting ..." in the status bar.
    void CreateProgressDialog();
    // Hides and destroys the progress dialog, if there is one.
    void DestroyChild();
    // True while a split run shows its progress; file list changes and a second run wait for its end.
    bool IsSplitRunning() const { return progressDialog != nullptr; }

    // Split run (MainFrameSplitRun.cpp).
    // Checks the destination and the input files, sets up the run and starts the first file.
    void StartSplit(wxCommandEvent& event);
    // Prepares and starts the task of list entry index; false when the run cannot go on.
    bool SplitFile(int firstTrack, int index);
    // Handles one task report on the GUI thread.
    void OnSplitProgress(CSplitTask::TProgressInfo info);
    // Ends a run: releases the task and the playlist, closes the progress dialog.
    void ResetSplitState();
    // Handler of command id 4; only logs.
    void OnJoin(wxCommandEvent& event);
    // Next sub-directory of root without a "split" sub-directory; false when none is left.
    bool FindNextUnsplitDirectory(const wxString& root, wxString& name);
    // Replaces the file list by the MP3 files of dir in natural order.
    void AddDirectory(const wxString& dir);

    // Error report (MainFrameErrorReport.cpp): offers to save the log lines as a file.
    void CreateErrorReport();

    // For tests and the split run.
    wxNotebook* GetNotebook() const { return notebook; }
    CListBoxPanel* GetFileListPage() const { return fileListPage; }
    CSplitPanel* GetSplitPage() const { return splitPage; }
    CID3TagPanel* GetId3Page() const { return id3Page; }
    COptionsPanel* GetOptionsPage() const { return optionsPage; }
    wxSlider* GetTrackLengthSlider() const { return trackLengthSlider; }
    wxStaticText* GetTrackLengthLabel() const { return trackLengthLabel; }
    const wxString& GetDestinationDirectory() const { return destinationDirectory; }
    const wxString& GetSourceDirectory() const { return sourceDirectory; }

private:
    void OnAddFiles(wxCommandEvent& event);
    void OnRemoveFile(wxCommandEvent& event);
    void OnSplit(wxCommandEvent& event);
    void OnHelp(wxCommandEvent& event);
    void OnAbout(wxCommandEvent& event);
    void OnQuit(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnFocusNotebook(wxCommandEvent& event);
    void OnTrackLengthChanged(wxScrollEvent& event);
    void OnTextUpdated(wxCommandEvent& event);
    void OnFileListChanged(wxCommandEvent& event);
    void OnOptionsChanged(wxCommandEvent& event);

    void BuildToolBar();
    wxImageList* CreateTabImages();
    void RegisterShortcuts(CKeyEventProcessor& keyProcessor);
    // The catalogue text of an id.
    wxString Text(int id) const;

    wxProgressDialog* progressDialog;
    wxNotebook* notebook;
    CListBoxPanel* fileListPage;
    wxSlider* trackLengthSlider;
    wxStaticText* trackLengthLabel;
    wxToolBar* toolBar;
    // Set when the window starts to close; from then on no report of a run acts. The window lives
    // on until the toolkit deletes it, and reports queued before may still reach it.
    bool closing;
    wxString destinationDirectory;
    wxString runDirectory;
    wxString sourceDirectory;
    // Entry i: fraction of the run's input bytes that lies before file i; the last entry is 1.0.
    std::vector<double> sizeTable;
    // The task of the file being split; the destructor cancels it before the pool joins.
    boost::shared_ptr<CSplitTask> splitTask;
    // Carries the run's task reports to this thread, in order, one at a time.
    boost::shared_ptr<CSplitReportRelay> reportRelay;
    boost::shared_ptr<ISplitPointDetectorFsm> detector;
    AudioChunks chunks;
    boost::shared_ptr<loc::CLocalStrings>* catalogue;
    // One worker. Declared before the pages, shortcuts and playlist and after the task, detector
    // and frame buffer, so that it joins its worker before the latter go.
    thread_pool pool;
    CID3TagPanel* id3Page;
    CSplitPanel* splitPage;
    COptionsPanel* optionsPage;
    boost::shared_ptr<CPlayListFile> playList;
    boost::shared_ptr<CKeyEventHandler> addFilesShortcut;
    boost::shared_ptr<CKeyEventHandler> splitShortcut;
    boost::shared_ptr<CKeyEventHandler> helpShortcut;
    boost::shared_ptr<CKeyEventHandler> removeFileShortcut;
    // Enumeration state of FindNextUnsplitDirectory between calls.
    boost::shared_ptr<wxDir> directoryWalk;

    wxDECLARE_EVENT_TABLE();
};
