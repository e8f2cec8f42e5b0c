// Placeholder split run and error report so the program links until the real ones land.
#include "ui/MainFrame.h"

void CMainFrame::StartSplit(wxCommandEvent&) { }

bool CMainFrame::SplitFile(int, int)
{
    return false;
}

void CMainFrame::OnSplitProgress(CSplitTask::TProgressInfo) { }

void CMainFrame::ResetSplitState() { }

void CMainFrame::OnJoin(wxCommandEvent&) { }

bool CMainFrame::FindNextUnsplitDirectory(const wxString&, wxString&)
{
    return false;
}

void CMainFrame::AddDirectory(const wxString&) { }

void CMainFrame::CreateErrorReport() { }
