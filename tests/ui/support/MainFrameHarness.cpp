// Helpers for tests of the main window: a shown frame, dialog expectations, runs and MP3 frame lists.
#include "support/MainFrameHarness.h"

#include "engine/MpegAudioHeader.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"
#include "ui/KeyEventProcessor.h"
#include "ui/MainFrame.h"
#include "ui/NumericalLess.h"
#include "ui/OptionsPanel.h"
#include "ui/SplitPanel.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/progdlg.h>
#include <wx/statusbr.h>
#include <wx/time.h>
#include <wx/utils.h>

namespace gui_test {

int CNonBlockingModalHook::Enter(wxDialog* dialog)
{
    const int answer = wxTestingModalHook::Enter(dialog);
    return answer == wxID_NONE ? wxID_CANCEL : answer;
}

void CNonBlockingModalHook::ReportFailure(const wxString& message)
{
    ADD_FAILURE() << message.utf8_str();
}

CExpectMessage::CExpectMessage(const wxString& text, int answer, long icon)
    : text(text)
    , answer(answer)
    , icon(icon)
{
}

int CExpectMessage::OnInvoked(wxMessageDialog* dialog) const
{
    EXPECT_EQ(text, dialog->GetMessage());
    EXPECT_EQ(wxString("Vellomar"), dialog->GetCaption());
    EXPECT_TRUE(dialog->GetMessageDialogStyle() & icon) << "icon of \"" << text << "\"";
    EXPECT_EQ(dialog->GetParent(), wxTheApp->GetTopWindow());
    switch (answer) {
    case wxYES:
        return wxID_YES;
    case wxNO:
        return wxID_NO;
    case wxCANCEL:
        return wxID_CANCEL;
    default:
        return wxID_OK;
    }
}

wxString CExpectMessage::GetDefaultDescription() const
{
    return "message box \"" + text + "\"";
}

int CExpectDirectory::OnInvoked(wxDirDialog* dialog) const
{
    EXPECT_EQ(wxString("Select the destination directory"), dialog->GetMessage());
    dialog->SetPath(path);
    // The native chooser takes the folder in asynchronously; its accept step then records it as
    // the answer, as a click on its OK button would.
    const wxLongLong end = wxGetLocalTimeMillis() + 2000;
    while (wxGetLocalTimeMillis() < end) {
        wxYield();
        wxMilliSleep(5);
#ifdef __WXGTK__
        dialog->GTKOnAccept();
        if (dialog->GetPath() == path)
            break;
#else
        break;
#endif
    }
    EXPECT_EQ(path, dialog->GetPath());
    return wxID_OK;
}

int CExpectFile::OnInvoked(wxFileDialog* dialog) const
{
    dialog->SetPath(path);
    const wxLongLong end = wxGetLocalTimeMillis() + 2000;
    while (dialog->GetPath() != path && wxGetLocalTimeMillis() < end) {
        wxYield();
        wxMilliSleep(5);
    }
    EXPECT_EQ(path, dialog->GetPath());
    return answer;
}

CMainFrameHarness::CMainFrameHarness()
    : strings(Strings())
    , keys(new CKeyEventProcessor)
{
    frame = new CMainFrame(&strings, keys, wxPoint(0, 0), wxSize(900, 680));
    wxTheApp->SetTopWindow(frame);
    // Tool help would overwrite the status text whenever the pointer (moved by other tests on the
    // same display) rests on the toolbar; the tests read the program's own messages there.
    frame->SetStatusBarPane(-1);
    frame->Show();
    PumpEvents(100);

    // Time-based 10-second parts without inserted silence: a known number of parts per file.
    CSplitPanel* split = frame->GetSplitPage();
    wxCheckBox* detection = wxDynamicCast(split->FindWindow(CSplitPanel::ID_SILENCE_DETECTION), wxCheckBox);
    if (detection->GetValue())
        Toggle(detection);
    wxCheckBox* silence = wxDynamicCast(split->FindWindow(CSplitPanel::ID_INSERT_SILENCE), wxCheckBox);
    if (silence->GetValue())
        Toggle(silence);
    split->SetTrackLengthPosition(2);
    EXPECT_EQ(10, split->GetTrackLength());
    EXPECT_EQ(0, split->GetMinSilenceDuration());
}

CMainFrameHarness::~CMainFrameHarness()
{
    if (frame)
        CloseAndWait();
    wxTheApp->SetTopWindow(nullptr);
}

bool CMainFrameHarness::CloseAndWait()
{
    frame->Close();
    // As the event loop does: what is queued goes first, then idle time, when the window goes.
    for (int i = 0; i < 2000; ++i) {
        PumpEvents(5);
        wxTheApp->ProcessIdle();
        if (!wxTopLevelWindows.Find(frame))
            break;
    }
    const bool gone = !wxTopLevelWindows.Find(frame);
    if (gone)
        frame = nullptr;
    return gone;
}

void CMainFrameHarness::SetOption(int id, bool value)
{
    wxCheckBox* box = wxDynamicCast(frame->GetOptionsPage()->FindWindow(id), wxCheckBox);
    ASSERT_NE(nullptr, box);
    if (box->GetValue() != value)
        Toggle(box);
}

void CMainFrameHarness::PressShortcut(bool ctrl, int keyCode)
{
    if (ctrl)
        keys->OnKeyDown(WXK_CONTROL);
    keys->OnKeyDown(keyCode);
    if (ctrl)
        keys->OnKeyUp(WXK_CONTROL);
}

wxGenericProgressDialog* CMainFrameHarness::FindProgressDialog()
{
    for (wxWindow* window : wxTopLevelWindows)
        if (wxGenericProgressDialog* dialog = dynamic_cast<wxGenericProgressDialog*>(window))
            if (!dialog->IsBeingDeleted())
                return dialog;
    return nullptr;
}

void CMainFrameHarness::Observe()
{
    if (FindProgressDialog())
        sawProgressDialog = true;
}

bool CMainFrameHarness::WaitWhileRunning()
{
    const wxLongLong end = wxGetLocalTimeMillis() + 90000;
    while (frame->IsSplitRunning() && wxGetLocalTimeMillis() < end) {
        Observe();
        wxTheApp->ProcessPendingEvents();
        wxYield();
        wxMilliSleep(2);
    }
    PumpEvents(20);
    return !frame->IsSplitRunning();
}

wxString CMainFrameHarness::StatusText() const
{
    return frame->GetStatusBar()->GetStatusText(0);
}

namespace {

std::uint32_t HeaderAt(const std::vector<unsigned char>& d, std::size_t i)
{
    return (std::uint32_t(d[i]) << 24) | (std::uint32_t(d[i + 1]) << 16) | (std::uint32_t(d[i + 2]) << 8)
        | d[i + 3];
}

bool IsInfoFrame(const std::vector<unsigned char>& frame)
{
    const std::size_t at = 4 + GetMpegSideInfoSize(HeaderAt(frame, 0));
    if (frame.size() < at + 4)
        return false;
    const std::string tag(frame.begin() + at, frame.begin() + at + 4);
    return tag == "Xing" || tag == "Info";
}

} // namespace

std::vector<std::vector<unsigned char>> AudioFramesOf(const std::string& path)
{
    const std::vector<unsigned char> d = testing_support::ReadFileBytes(path);
    std::size_t i = 0, end = d.size();
    if (end >= 10 && d[0] == 'I' && d[1] == 'D' && d[2] == '3')
        i = 10 + ((d[6] << 21) | (d[7] << 14) | (d[8] << 7) | d[9]);
    if (end >= 128 && d[end - 128] == 'T' && d[end - 127] == 'A' && d[end - 126] == 'G')
        end -= 128;
    std::vector<std::vector<unsigned char>> frames;
    while (i + 4 <= end) {
        TMpegAudioHeader h;
        if (!ParseMpegAudioHeader(HeaderAt(d, i), h) || h.frameSize == 0 || i + h.frameSize > end) {
            ADD_FAILURE() << path << ": no frame at byte " << i;
            break;
        }
        frames.emplace_back(d.begin() + i, d.begin() + i + h.frameSize);
        i += h.frameSize;
    }
    if (!frames.empty() && IsInfoFrame(frames[0]))
        frames.erase(frames.begin());
    return frames;
}

std::vector<unsigned char> RepeatedFrames(const std::string& fixture, int times)
{
    const std::vector<std::vector<unsigned char>> frames = AudioFramesOf(testing_support::DataPath(fixture));
    std::vector<unsigned char> out;
    for (int t = 0; t < times; ++t)
        for (const std::vector<unsigned char>& f : frames)
            out.insert(out.end(), f.begin(), f.end());
    return out;
}

std::vector<std::string> FilesIn(const std::string& dir, const std::string& extension)
{
    std::vector<wxString> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && name.size() > extension.size()
            && name.compare(name.size() - extension.size(), extension.size(), extension) == 0)
            names.push_back(wxString::FromUTF8(name));
    }
    std::sort(names.begin(), names.end(),
        [](wxString a, wxString b) { return NumericalStringCompare(&a, &b) < 0; });
    std::vector<std::string> result;
    for (const wxString& n : names)
        result.push_back(n.utf8_string());
    return result;
}

std::vector<std::string> LinesOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

} // namespace gui_test
