// Helpers for tests of the main window: a shown frame, dialog expectations, runs and MP3 frame lists.
#pragma once

#include <boost/noncopyable.hpp>
#include <boost/shared_ptr.hpp>
#include <string>
#include <vector>
#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

class CKeyEventProcessor;
class CMainFrame;
class wxGenericProgressDialog;
namespace loc {
class CLocalStrings;
}

namespace gui_test {

// The hook behind wxTEST_DIALOG, except that a dialog nobody expected is answered with Cancel
// (and reported as a failure) instead of being shown: a shown dialog would wait forever.
class CNonBlockingModalHook : public wxTestingModalHook {
public:
    CNonBlockingModalHook(const char* file = nullptr, int line = 0, const char* func = nullptr)
        : wxTestingModalHook(file, line, func)
    {
    }

protected:
    int Enter(wxDialog* dialog) override;
    void ReportFailure(const wxString& message) override;
};

// A message box with exactly this text and the program's caption, answered with the given button.
class CExpectMessage : public wxExpectModalBase<wxMessageDialog, CExpectMessage> {
public:
    CExpectMessage(const wxString& text, int answer, long icon);

protected:
    int OnInvoked(wxMessageDialog* dialog) const override;
    wxString GetDefaultDescription() const override;

private:
    wxString text;
    int answer;
    long icon;
};

// The destination directory dialog, answered with OK and the given path as the user's choice.
class CExpectDirectory : public wxExpectModalBase<wxDirDialog, CExpectDirectory> {
public:
    explicit CExpectDirectory(const wxString& path)
        : path(path)
    {
    }

protected:
    int OnInvoked(wxDirDialog* dialog) const override;

private:
    wxString path;
};

// A file dialog, answered with the given button and the given path as the user's choice. Unlike
// wxExpectModal<wxFileDialog>, it lets the native chooser take the path in, so that GetPaths
// reports it as after a real answer.
class CExpectFile : public wxExpectModalBase<wxFileDialog, CExpectFile> {
public:
    CExpectFile(const wxString& path, int answer = wxID_OK)
        : path(path)
        , answer(answer)
    {
    }

protected:
    int OnInvoked(wxFileDialog* dialog) const override;

private:
    wxString path;
    int answer;
};

// A main window as the program builds it, shown, with split options that make runs
// deterministic: time-based cutting into 10-second parts, no inserted silence.
class CMainFrameHarness : private boost::noncopyable {
public:
    CMainFrameHarness();
    // Closes the window the way the user does and lets the toolkit delete it.
    ~CMainFrameHarness();

    CMainFrame* Frame() const { return frame; }
    // Sets a check box of the options page as a click would.
    void SetOption(int id, bool value);
    // Presses Ctrl+S as the application object forwards it.
    void PressShortcut(bool ctrl, int keyCode);
    // Lets the toolkit run until the split run has ended; false if it did not within a minute
    // and a half (which only a hang would take).
    bool WaitWhileRunning();
    // Closes the window (close event) and lets the toolkit delete it; true once it is gone.
    bool CloseAndWait();
    wxString StatusText() const;
    // The run's progress dialog, or null.
    static wxGenericProgressDialog* FindProgressDialog();
    // Whether WaitWhileRunning saw the run's progress dialog.
    bool sawProgressDialog = false;

    boost::shared_ptr<loc::CLocalStrings> strings;
    boost::shared_ptr<CKeyEventProcessor> keys;

private:
    void Observe();
    CMainFrame* frame;
};

// MPEG audio frames of an MP3 file, without ID3 tags and without a leading Xing/Info frame.
std::vector<std::vector<unsigned char>> AudioFramesOf(const std::string& path);
// Audio frames of the named fixture repeated `times` times: one long stream of real encoder frames.
std::vector<unsigned char> RepeatedFrames(const std::string& fixture, int times);
// File names (no directory) in dir that end in the extension, in natural order.
std::vector<std::string> FilesIn(const std::string& dir, const std::string& extension);
// Lines of a text file, without their line ends.
std::vector<std::string> LinesOf(const std::string& path);

} // namespace gui_test

#undef wxTEST_DIALOG_HOOK_CLASS
#define wxTEST_DIALOG_HOOK_CLASS gui_test::CNonBlockingModalHook
