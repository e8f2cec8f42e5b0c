// The application object: the catalogue, the shortcut processor, the main window and the settings.
#pragma once

#include <boost/shared_ptr.hpp>
#include <wx/app.h>

class CKeyEventProcessor;
class wxConfigBase;
namespace loc {
class CLocalStrings;
}

class CVellomar : public wxApp {
public:
    CVellomar();
    // Releases the shortcut processor, then the catalogue.
    ~CVellomar() override;

    // Key presses that no window consumed go to the shortcut processor; always false.
    bool ProcessEvent(wxEvent& event) override;
    // Builds the main window, shows the splash, settles the settings and adds the command-line files.
    bool OnInit() override;
    // Writes the settings: everything when "/Options/SaveSettings" is on at exit, else only that
    // option itself.
    int OnExit() override;
    // Every event is processed normally.
    int FilterEvent(wxEvent& event) override;

    // The settings file: "vellomar.conf" (after the program's name) in the XDG configuration directory.
    static wxString SettingsFilePath();
    // A settings store on that file.
    static wxConfigBase* CreateSettingsStore();

    const boost::shared_ptr<loc::CLocalStrings>& GetStrings() const { return strings; }
    const boost::shared_ptr<CKeyEventProcessor>& GetKeyProcessor() const { return keyProcessor; }

private:
    boost::shared_ptr<loc::CLocalStrings> strings;
    boost::shared_ptr<CKeyEventProcessor> keyProcessor;
};

wxDECLARE_APP(CVellomar);
