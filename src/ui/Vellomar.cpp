// The application object: start-up, the shortcut hook and the settings written at exit.
#include "ui/Vellomar.h"

#include "catalogue/LocalStrings.h"
#include "engine/Log.h"
#include "platform/gui/ResourceBitmaps.h"
#include "ui/KeyEventProcessor.h"
#include "ui/MainFrame.h"
#include "ui/SplashDialog.h"

#include <boost/format.hpp>
#include <memory>
#include <wx/bitmap.h>
#include <wx/config.h>
#include <wx/fileconf.h>
#include <wx/filename.h>
#include <wx/stdpaths.h>

namespace {

const char* const kSaveSettingsKey = "/Options/SaveSettings";
const int kSplashMs = 1200;

// The program's name as the settings file takes it, whatever the executable is called in tests.
wxString SettingsName()
{
    const wxString name = wxTheApp ? wxTheApp->GetAppName() : wxString();
    return name.empty() ? wxString("vellomar") : name;
}

} // namespace

CVellomar::CVellomar() { }

CVellomar::~CVellomar()
{
    keyProcessor.reset();
    strings.reset();
}

wxString CVellomar::SettingsFilePath()
{
    // $XDG_CONFIG_HOME (else ~/.config) rather than a dot file in the home directory.
    wxStandardPaths& paths = wxStandardPaths::Get();
    paths.SetFileLayout(wxStandardPaths::FileLayout_XDG);
    return wxFileName(paths.GetUserConfigDir(), paths.MakeConfigFileName(SettingsName())).GetFullPath();
}

wxConfigBase* CVellomar::CreateSettingsStore()
{
    // A first start may find no configuration directory yet; the store could not be written then.
    const wxFileName file(SettingsFilePath());
    if (!file.DirExists())
        wxFileName::Mkdir(file.GetPath(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    return new wxFileConfig(
        SettingsName(), wxEmptyString, SettingsFilePath(), wxEmptyString, wxCONFIG_USE_LOCAL_FILE);
}

bool CVellomar::ProcessEvent(wxEvent& event)
{
    if (!keyProcessor)
        return false;
    const wxEventType type = event.GetEventType();
    if (type == wxEVT_KEY_DOWN)
        keyProcessor->OnKeyDown(static_cast<wxKeyEvent&>(event).GetKeyCode());
    else if (type == wxEVT_KEY_UP)
        keyProcessor->OnKeyUp(static_cast<wxKeyEvent&>(event).GetKeyCode());
    return false;
}

int CVellomar::FilterEvent(wxEvent&)
{
    return -1;
}

bool CVellomar::OnInit()
{
    // Every window reads its settings while it is built, so the store must be there first.
    if (!wxConfigBase::Get(false))
        wxConfigBase::Set(CreateSettingsStore());

    strings.reset(new loc::CLocalStrings);
    keyProcessor.reset(new CKeyEventProcessor);

    CMainFrame* frame = new CMainFrame(&strings, keyProcessor, wxDefaultPosition, wxDefaultSize);
    frame->Centre(wxBOTH | wxCENTRE_ON_SCREEN);
    frame->Show(true);
    SetTopWindow(frame);

    wxBitmap splash = platform::LoadBitmapResource("splash");
    if (splash.IsOk()) {
        CSplashDialog dialog(splash, strings->GetString(3), strings->GetString(36), strings->GetString(37),
            wxEmptyString, wxEmptyString, wxEmptyString, kSplashMs, frame);
        dialog.ShowModal();
    }

    for (int i = 1; i < argc; ++i) {
        const wxString argument = argv[i];
        Trace((boost::wformat(L"Command line parameter %d is '%s'") % i % argument.ToStdWstring()).str());
        frame->AddFile(argument);
    }
    return true;
}

int CVellomar::OnExit()
{
    std::unique_ptr<wxConfigBase> config(wxConfigBase::Set(nullptr));
    if (config) {
        bool save = false;
        config->Read(kSaveSettingsKey, &save, false);
        wxFileConfig* file = dynamic_cast<wxFileConfig*>(config.get());
        if (!save && file) {
            // Forget what this run wrote, but keep the switch itself, so it stays off next time.
            file->DisableAutoSave();
            config.reset();
            std::unique_ptr<wxConfigBase> stored(CreateSettingsStore());
            stored->Write(kSaveSettingsKey, false);
            stored->Flush();
        }
    }
    config.reset();
    return wxApp::OnExit();
}
