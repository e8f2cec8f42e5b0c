// The main window's error report: offers to save the recent log lines as a file the user can pass on.
#include "ui/MainFrame.h"

#include "engine/Log.h"
#include "engine/LogStore.h"
#include "ui/ErrorLogFile.h"

#include <boost/format.hpp>
#include <wx/datetime.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>

void CMainFrame::CreateErrorReport()
{
    Trace(L"CreateErrorReport");
    LogInfo(
        (boost::wformat(L"Creating error report for %s %s") % Text(1).ToStdWstring() % Text(4).ToStdWstring())
            .str());

    if (wxMessageBox(Text(79), Text(1), wxYES_NO | wxICON_QUESTION, this) != wxYES)
        return;

    wxArrayString paths;
    {
        wxFileDialog dialog(this, Text(80), wxEmptyString, CErrorLogFile::DefaultName(wxDateTime::Now()),
            "*.log", wxFD_SAVE | wxFD_OVERWRITE_PROMPT | wxFD_CHANGE_DIR, wxDefaultPosition, wxDefaultSize,
            "filedlg");
        if (dialog.ShowModal() != wxID_OK)
            return;
        dialog.GetPaths(paths);
    }
    if (paths.IsEmpty())
        return;

    switch (CErrorLogFile::Write(paths[0], LogStore::Instance().Lines())) {
    case CErrorLogFile::EOpenFailed:
        Trace(L"Error opening log file for writing");
        return;
    case CErrorLogFile::EWriteFailed: {
        // A partial file is no copy: the lines stay for the next attempt.
        const wxString text = Text(73);
        wxMessageBox(text, Text(1), wxOK | wxICON_ERROR, this);
        SetStatusText(text, 0);
        return;
    }
    case CErrorLogFile::EWritten:
        break;
    }
    LogStore::Instance().Clear();
}
