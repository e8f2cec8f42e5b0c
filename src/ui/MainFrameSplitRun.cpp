// The main window's split run: checks, the audiobooks' directories and playlists, the tasks and their
// reports.
#include "ui/MainFrame.h"

#include "catalogue/LocalStrings.h"
#include "engine/AdaptiveAudioProcessor.h"
#include "engine/AudioProcessor.h"
#include "engine/Id3TagInfo.h"
#include "engine/Log.h"
#include "engine/PlayListFile.h"
#include "ui/ID3TagPanel.h"
#include "ui/ListBoxPanel.h"
#include "ui/NumericalLess.h"
#include "ui/OptionsPanel.h"
#include "ui/SplitPanel.h"
#include "ui/SplitReportRelay.h"

#include <algorithm>
#include <boost/bind/bind.hpp>
#include <boost/format.hpp>
#include <cstdio>
#include <vector>
#include <wx/crt.h>
#include <wx/dir.h>
#include <wx/dirdlg.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/listbox.h>
#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/notebook.h>
#include <wx/progdlg.h>

namespace {

std::wstring Wide(const wxString& text)
{
    return text.ToStdWstring();
}

// The text after the last "/" of a path, or after its last backslash when it holds no "/".
wxString BareName(const wxString& path)
{
    int at = path.Find('/', true);
    if (at == wxNOT_FOUND)
        at = path.Find('\\', true);
    return at == wxNOT_FOUND ? path : path.Mid(at + 1);
}

// Size of a file in bytes; false when it cannot be opened for reading.
bool ReadFileSize(const wxString& path, double& size)
{
    FILE* file = wxFopen(path, "rb");
    if (!file)
        return false;
    bool ok = fseeko(file, 0, SEEK_END) == 0;
    const off_t end = ok ? ftello(file) : -1;
    std::fclose(file);
    if (end < 0)
        return false;
    size = static_cast<double>(end);
    return true;
}

// Catalogue id of the message for a task status that ends a run with an error.
int StatusMessageId(int status)
{
    switch (status) {
    case CSplitTask::EReadError:
        return 72;
    case CSplitTask::EWriteError:
        return 73;
    case CSplitTask::EOpenError:
        return 74;
    case CSplitTask::ECorruptInput:
        return 75;
    case CSplitTask::ESplitEngineError:
        return 76;
    case CSplitTask::EDecoderInitError:
        return 71;
    case CSplitTask::ESilenceDetectionFailed:
        return 78;
    default:
        return 77;
    }
}

} // namespace

void CMainFrame::StartSplit(wxCommandEvent&)
{
    // The progress dialog is application-modal, but the shortcuts still reach this window.
    if (IsSplitRunning())
        return;

    notebook->SetSelection(EFileListPage);
    const unsigned int n = fileListPage->GetFileCount();
    if (n == 0)
        return;

    if (optionsPage->GetDefaultDstIsSrcDir())
        destinationDirectory = sourceDirectory;

    if (!(optionsPage->GetDefaultDstIsSrcDir() && optionsPage->GetCreateSplitSubDir())) {
        wxDirDialog dialog(this, Text(41), destinationDirectory, wxDD_DEFAULT_STYLE, wxDefaultPosition,
            wxDefaultSize, "wxDirCtrl");
        if (dialog.ShowModal() != wxID_OK)
            return;
        destinationDirectory = dialog.GetPath();
    }

    const wxString caption = Text(1);
    if (!wxDirExists(destinationDirectory)) {
        const wxString text = wxString::Format(Text(69), destinationDirectory);
        wxMessageBox(text, caption, wxOK | wxICON_ERROR, this);
        SetStatusText(text, 0);
        return;
    }
    for (unsigned int i = 0; i < n; ++i) {
        const wxString file = fileListPage->GetFile(i);
        if (!wxFileExists(file)) {
            const wxString text = wxString::Format(Text(67), file);
            wxMessageBox(text, caption, wxOK | wxICON_ERROR, this);
            SetStatusText(text, 0);
            return;
        }
    }

    // The overall progress needs the sizes only, and needs them once.
    std::vector<double> sizes(n + 1, 0.0);
    for (unsigned int i = 1; i <= n; ++i) {
        const wxString file = fileListPage->GetFile(i - 1);
        if (!ReadFileSize(file, sizes[i])) {
            const wxString text = wxString::Format(Text(68), file);
            wxMessageBox(text, caption, wxOK | wxICON_ERROR, this);
            SetStatusText(text, 0);
            return;
        }
    }
    for (unsigned int i = 1; i <= n; ++i)
        sizes[i] += sizes[i - 1];
    if (sizes[n] > 0) {
        const double total = sizes[n];
        for (unsigned int i = 0; i <= n; ++i)
            sizes[i] /= total;
    } else {
        // Nothing but empty files: each file gets an equal share of the bar.
        for (unsigned int i = 0; i <= n; ++i)
            sizes[i] = static_cast<double>(i) / n;
    }
    sizeTable.swap(sizes);

    splitTask.reset();
    CreateProgressDialog();
    chunks.Clear();

    detector.reset();
    const int noiseLevel = splitPage->GetNoiseLevel();
    IAudioProcessorConfig* config = nullptr;
    if (noiseLevel == 3) {
        LogInfo(L"Using adaptive audio processor");
        boost::shared_ptr<CAdaptiveAudioProcessor> adaptive(new CAdaptiveAudioProcessor);
        config = adaptive.get();
        detector = adaptive;
    } else {
        const int threshold = noiseLevel == 0 ? 8 : noiseLevel == 2 ? 150 : 50;
        LogInfo((boost::wformat(L"Using standard audio processor with threshold %d") % threshold).str());
        boost::shared_ptr<CAudioProcessor> standard(new CAudioProcessor);
        standard->SetThreshold(static_cast<std::uint32_t>(threshold));
        config = standard.get();
        detector = standard;
    }
    config->SetCutPosition(splitPage->GetCutPosition());
    config->SetMinimumPause(static_cast<std::uint32_t>(std::max(0, splitPage->GetMinSilenceDuration())));
    config->SetAnalysisStart(static_cast<std::uint32_t>(std::max(0, splitPage->GetTrackLength())) * 1000u);

    LogInfo((boost::wformat(L"Start split with %s %s") % Wide(Text(1)) % Wide(Text(4))).str());

    // A fresh relay per run: whatever an earlier run left queued is never delivered.
    if (reportRelay)
        reportRelay->Stop();
    reportRelay = CSplitReportRelay::Create(
        this, boost::bind(&CMainFrame::OnSplitProgress, this, boost::placeholders::_1));

    if (!SplitFile(1, 0))
        DestroyChild();
}

bool CMainFrame::SplitFile(int firstTrack, int index)
{
    const int n = static_cast<int>(fileListPage->GetFileCount());
    if (closing || index < 0 || index >= n || !detector)
        return false;
    if (!reportRelay)
        reportRelay = CSplitReportRelay::Create(
            this, boost::bind(&CMainFrame::OnSplitProgress, this, boost::placeholders::_1));

    const bool separately = optionsPage->GetSplitAllFilesSeparately();
    const bool sourceIsDestination = optionsPage->GetDefaultDstIsSrcDir();
    wxString dir = destinationDirectory;
    const wxString file = fileListPage->GetFile(static_cast<unsigned int>(index));
    bool newBook = false;
    if (separately) {
        SetNamesFromFile(file);
        newBook = true;
        if (sourceIsDestination)
            dir = wxFileName(file).GetPath(wxPATH_GET_VOLUME);
    } else if (index == 0) {
        SetNamesFromFile(file);
        newBook = true;
    }

    const TId3TagInfo tagInfo = id3Page->GetTagInfo();
    const wxString baseName = ReplaceForbiddenChars(tagInfo.title);

    if (newBook) {
        if (optionsPage->GetCreateSplitSubDir()) {
            const wxString base = dir + wxFileName::GetPathSeparator() + ReplaceForbiddenChars(tagInfo.title);
            wxString suffix;
            for (int k = 1; wxDirExists(base + suffix); ++k)
                suffix = wxString::Format(" %d", k);
            dir = base + suffix;
            wxLogNull quiet; // the outcome goes to the program's own log
            if (wxMkdir(dir, 0777))
                LogInfo((boost::wformat(L"Created destination directory %s") % Wide(dir)).str());
            else
                LogError((boost::wformat(L"Could not create directory %s") % Wide(dir)).str());
        } else {
            dir = destinationDirectory;
        }

        bool hasFiles = false;
        {
            wxLogNull quiet;
            wxDir listing;
            if (!wxDirExists(dir) || !listing.Open(dir)) {
                const wxString text = wxString::Format(Text(70), dir);
                wxMessageBox(text, Text(1), wxOK | wxICON_ERROR, this);
                SetStatusText(text, 0);
                return false;
            }
            hasFiles = listing.HasFiles();
        }
        if (hasFiles && dir != runDirectory) {
            const wxString question = wxString::Format(Text(47), dir);
            if (wxMessageBox(question, Text(1), wxOK | wxCANCEL | wxICON_WARNING, this) != wxOK)
                return false;
        }

        if (optionsPage->GetCreatePlayListFile())
            playList.reset(new CPlayListFile(Wide(dir + wxFileName::GetPathSeparator()), Wide(baseName)));
        runDirectory = dir;
    } else {
        dir = runDirectory;
    }

    dir += wxFileName::GetPathSeparator();
    LogInfo((boost::wformat(L"Destination directory is %s") % Wide(dir)).str());

    const bool lastPart = separately || !optionsPage->GetMergeBeforeSplit() || index + 1 >= n;
    int searchWindow = 0;
    if (splitPage->GetMinSilenceDuration() != 0) {
        const unsigned int seconds = static_cast<unsigned int>(splitPage->GetTrackLength());
        searchWindow = std::min(static_cast<int>(seconds * 0.15 * 1000), 30000);
    }

    const std::wstring source = Wide(file);
    const std::wstring destination = Wide(dir);
    const std::wstring name = Wide(baseName);
    boost::shared_ptr<CSplitTask> task(new CSplitTask(detector, &chunks, lastPart, index, source.c_str(),
        destination.c_str(), name.c_str(), firstTrack, splitPage->GetAdditionalSilenceDuration(), tagInfo,
        reportRelay->ProgressFunction(), searchWindow));
    // The task reports its end from inside its job. This second job keeps a share of the task
    // until that job has returned (one worker runs the queue in order), so replacing or releasing
    // splitTask on the finished report never destroys a task whose job is still running.
    // No part may replace a source of this run, above all one that has not been read yet.
    std::vector<std::wstring> sources;
    for (unsigned int i = 0; i < fileListPage->GetFileCount(); ++i)
        sources.push_back(Wide(fileListPage->GetFile(i)));
    task->SetProtectedFiles(sources);
    splitTask = task;
    task->Start(pool);
    pool.schedule([task]() {});

    fileListPage->GetListBox()->SetSelection(index);
    // Below the maximum, as for progress: a file that starts at 100 % (nothing but empty files
    // after the last real one) would otherwise finish the dialog and hold the run in it.
    if (progressDialog)
        progressDialog->Update(std::min(static_cast<int>(sizeTable[index] * 100), 99),
            wxString::Format(Text(57), BareName(file)));
    return true;
}

void CMainFrame::OnSplitProgress(CSplitTask::TProgressInfo info)
{
    // A window that is closing only waits for its task; it starts nothing and shows nothing.
    if (closing)
        return;

    switch (info.kind) {
    case CSplitTask::EProgress: {
        const int i = info.fileIndex;
        if (i < 0 || static_cast<std::size_t>(i) + 1 >= sizeTable.size())
            return;
        // The small addend keeps 0.1 x 100 + 0.3 x 50 from truncating to 24.
        int percent = static_cast<int>(
            sizeTable[i] * 100 + (sizeTable[i + 1] - sizeTable[i]) * info.filePercent + 1e-9);
        percent = std::min(percent, 100);
        Trace((boost::wformat(L"Progress %d%%") % percent).str());
        if (progressDialog)
            progressDialog->SetTitle(wxString::Format("%s %d%%", Text(33), percent));
        // The dialog's value stays below its maximum: reaching it would end the dialog.
        if (splitTask && progressDialog && !progressDialog->Update(percent == 100 ? 99 : percent))
            splitTask->Cancel();
        break;
    }
    case CSplitTask::EFileWritten: {
        const wxString path = info.fileName ? wxString(info.fileName) : wxString();
        const wxString name = BareName(path);
        SetStatusText(wxString::Format(Text(42), name), 0);
        LogInfo((boost::wformat(L"Wrote \"%s\"") % Wide(path)).str());
        if (playList)
            playList->AddFile(name);
        break;
    }
    case CSplitTask::EFinished:
        if (info.status == CSplitTask::ESuccess) {
            if (info.fileIndex + 1 < static_cast<int>(fileListPage->GetFileCount())) {
                if (!SplitFile(info.nextTrack, info.fileIndex + 1))
                    DestroyChild();
                return;
            }
            ResetSplitState();
            LogInfo(L"Splitting succesfully finished");
            SetStatusText(Text(43), 0);
            wxMessageBox(Text(43), Text(1), wxOK | wxICON_INFORMATION, this);
        } else if (info.status == CSplitTask::ECancelled) {
            SetStatusText(Text(44), 0);
            ResetSplitState();
            LogInfo(L"Splitting cancelled by user");
        } else {
            ResetSplitState();
            const wxString text = Text(StatusMessageId(info.status));
            LogError(Wide(text));
            wxMessageBox(text, Text(1), wxOK | wxICON_ERROR, this);
            SetStatusText(text, 0);
            CreateErrorReport();
        }
        break;
    default:
        break;
    }
}

void CMainFrame::ResetSplitState()
{
    splitTask.reset();
    playList.reset();
    runDirectory.clear();
    DestroyChild();
}

void CMainFrame::OnJoin(wxCommandEvent&)
{
    LogInfo((boost::wformat(L"Start join with %s %s") % Wide(Text(1)) % Wide(Text(4))).str());
}

bool CMainFrame::FindNextUnsplitDirectory(const wxString& root, wxString& name)
{
    wxLogNull quiet;
    wxString sub;
    bool found;
    if (!directoryWalk || directoryWalk->GetName() != root) {
        directoryWalk.reset(new wxDir(root));
        if (!directoryWalk->IsOpened()) {
            directoryWalk.reset();
            return false;
        }
        found = directoryWalk->GetFirst(&sub, wxEmptyString, wxDIR_DIRS);
    } else {
        found = directoryWalk->GetNext(&sub);
    }
    const wxString separator = wxFileName::GetPathSeparator();
    for (; found; found = directoryWalk->GetNext(&sub)) {
        if (wxDirExists(root + separator + sub + separator + "split")) {
            SetStatusText("Skipped " + sub, 0);
            continue;
        }
        name = sub;
        return true;
    }
    // Walked to the end: the next call starts over.
    directoryWalk.reset();
    return false;
}

void CMainFrame::AddDirectory(const wxString& dir)
{
    if (IsSplitRunning())
        return;
    fileListPage->Clear();
    wxArrayString files;
    {
        wxLogNull quiet;
        wxDir listing(dir);
        wxString name;
        if (listing.IsOpened()) {
            // "*.MP3" in any case, as on the file systems where such directories come from.
            for (bool more = listing.GetFirst(&name, wxEmptyString, wxDIR_FILES); more;
                 more = listing.GetNext(&name)) {
                if (name.length() > 4 && name.Right(4).Lower() == ".mp3")
                    files.Add(dir + wxFileName::GetPathSeparator() + name);
            }
        }
    }
    if (files.IsEmpty()) {
        const wxString text = wxString::Format(Text(67), dir);
        wxMessageBox(text, Text(1), wxOK | wxICON_ERROR, this);
        SetStatusText(text, 0);
        return;
    }
    files.Sort(NumericalStringCompare);
    for (const wxString& file : files)
        fileListPage->AddFile(file);
}
