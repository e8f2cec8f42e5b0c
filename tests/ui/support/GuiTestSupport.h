// Helpers for the GUI tests: a host frame, event recording, temporary settings, clicks, pictures.
#pragma once

#include <boost/noncopyable.hpp>
#include <boost/shared_ptr.hpp>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <wx/event.h>
#include <wx/frame.h>

class wxCheckBox;
class wxColour;
class wxFileConfig;
class wxWindow;
namespace loc {
class CLocalStrings;
}

namespace gui_test {

// The catalogue shared by the pages under test (English on the test machine).
const boost::shared_ptr<loc::CLocalStrings>& Strings();

// Lets the toolkit handle everything that is waiting, for at least the given time.
void PumpEvents(int milliseconds = 50);

// One event that reached the host frame.
struct TRecordedEvent {
    wxEventType type;
    int id;
    wxString text;
    int number;
    wxObject* object;
};

// A shown top-level frame that hosts one page and records the program's own events that travel
// up to it: file list changes, option changes and the forwarded track-length scroll events.
class CHostFrame : public wxFrame {
public:
    CHostFrame();
    // Lays the page out to fill the frame and shows it.
    void Host(wxWindow* page);
    std::vector<TRecordedEvent> events;

private:
    void Record(wxCommandEvent& event);
    void RecordScroll(wxScrollEvent& event);
};

// A fresh settings file set as the global configuration for the life of this object.
class CTempConfig : private boost::noncopyable {
public:
    CTempConfig();
    ~CTempConfig();
    wxFileConfig& Config() { return *config; }
    // Writes pending changes and reads the file anew, as the next start of the program would.
    void Reload();

private:
    std::string path;
    wxFileConfig* config;
};

// Collects what the program writes to its standard error, where the toolkit puts its warnings,
// from construction on; passes it on to the real stream when it ends.
class CStderrCapture : private boost::noncopyable {
public:
    CStderrCapture();
    ~CStderrCapture();
    // Everything written so far.
    std::string Text() const;

private:
    std::string path;
    int saved;
};

// Clicks a window in its middle with the toolkit's input simulator and lets the click arrive.
void Click(wxWindow* window);
// Toggles a check box the way a click does: new value, then the click event through the box.
void Toggle(wxCheckBox* box);
// Sends a selection event for a choice or radio box after selecting the item, as a user would.
void Select(wxWindow* control, int index);
// Moves a slider and sends the scroll event the toolkit sends for a drag.
void Scroll(wxWindow* slider, int position);

// Saves a picture of the window (what the screen shows there) as a PNG; returns its path.
std::string SaveScreenshot(wxWindow* window, const std::string& name);
// Pixels of the window's place on a picture saved by SaveScreenshot (which shows the window's
// top-level parent) whose red, green and blue each lie within the tolerance of the colour's.
int CountPixels(const std::string& screenshot, wxWindow* window, const wxColour& colour, int tolerance = 8);

// The window that is a descendant of parent with the given window name.
wxWindow* FindByName(wxWindow* parent, const wxString& name);

// A page of type TPage hosted in a test frame, built with the shared catalogue and closed after
// every test.
template <class TPage> class CPageTest : public ::testing::Test {
protected:
    void TearDown() override { Close(); }

    void OpenPage()
    {
        frame = new CHostFrame;
        page = new TPage(frame, Strings());
        frame->Host(page);
    }
    void Close()
    {
        if (frame)
            frame->Destroy();
        frame = nullptr;
        page = nullptr;
        PumpEvents(20);
    }

    CHostFrame* frame = nullptr;
    TPage* page = nullptr;
};

} // namespace gui_test
