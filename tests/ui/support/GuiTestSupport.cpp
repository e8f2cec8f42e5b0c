// Helpers for the GUI tests: a host frame, event recording, temporary settings, clicks, pictures.
#include "support/GuiTestSupport.h"

#include "catalogue/LocalStrings.h"
#include "ui/ListBoxPanel.h"
#include "ui/OptionsPanel.h"
#include "ui/SplitPanel.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>
#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/ctrlsub.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/fileconf.h>
#include <wx/image.h>
#include <wx/radiobox.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

namespace gui_test {

const boost::shared_ptr<loc::CLocalStrings>& Strings()
{
    static const boost::shared_ptr<loc::CLocalStrings> strings(new loc::CLocalStrings);
    return strings;
}

void PumpEvents(int milliseconds)
{
    const wxLongLong end = wxGetLocalTimeMillis() + milliseconds;
    do {
        wxTheApp->ProcessPendingEvents();
        wxYield();
        wxMilliSleep(5);
    } while (wxGetLocalTimeMillis() < end);
}

CHostFrame::CHostFrame()
    : wxFrame(nullptr, wxID_ANY, "Vellomar test", wxPoint(0, 0), wxSize(700, 560))
{
    Bind(wxEVT_FILE_LIST_CHANGED, &CHostFrame::Record, this);
    Bind(wxEVT_OPTIONS_CHANGED, &CHostFrame::Record, this);
    const wxEventTypeTag<wxScrollEvent> scrolls[] = { wxEVT_SCROLL_TOP, wxEVT_SCROLL_BOTTOM,
        wxEVT_SCROLL_LINEUP, wxEVT_SCROLL_LINEDOWN, wxEVT_SCROLL_PAGEUP, wxEVT_SCROLL_PAGEDOWN,
        wxEVT_SCROLL_THUMBTRACK, wxEVT_SCROLL_THUMBRELEASE, wxEVT_SCROLL_CHANGED };
    for (const auto& type : scrolls)
        Bind(type, &CHostFrame::RecordScroll, this, TRACK_LENGTH_EVENT_ID);
}

void CHostFrame::Host(wxWindow* page)
{
    wxBoxSizer* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(page, 1, wxEXPAND);
    SetSizer(sizer);
    const wxSize best = sizer->GetMinSize();
    SetClientSize(wxSize(std::max(best.x, 640), std::max(best.y, 300)));
    Layout();
    Show();
    Raise();
    PumpEvents(150);
    // Sizes of controls are only final once the toolkit has shown them; fit again.
    const wxSize shown = sizer->GetMinSize();
    if (shown.y > GetClientSize().y || shown.x > GetClientSize().x) {
        SetClientSize(wxSize(std::max(shown.x, GetClientSize().x), std::max(shown.y, GetClientSize().y)));
        Layout();
        PumpEvents(100);
    }
}

void CHostFrame::Record(wxCommandEvent& event)
{
    events.push_back(
        { event.GetEventType(), event.GetId(), event.GetString(), event.GetInt(), event.GetEventObject() });
}

void CHostFrame::RecordScroll(wxScrollEvent& event)
{
    events.push_back(
        { event.GetEventType(), event.GetId(), wxString(), event.GetPosition(), event.GetEventObject() });
}

CTempConfig::CTempConfig()
{
    char name[] = "/tmp/vellomar-settings-XXXXXX";
    const int fd = mkstemp(name);
    if (fd >= 0)
        close(fd);
    path = name;
    config = new wxFileConfig("vellomar-test", wxEmptyString, path, wxEmptyString, wxCONFIG_USE_LOCAL_FILE);
    wxConfigBase::Set(config);
}

CTempConfig::~CTempConfig()
{
    wxConfigBase::Set(nullptr);
    delete config;
    std::remove(path.c_str());
}

void CTempConfig::Reload()
{
    config->Flush();
    wxConfigBase::Set(nullptr);
    delete config;
    config = new wxFileConfig("vellomar-test", wxEmptyString, path, wxEmptyString, wxCONFIG_USE_LOCAL_FILE);
    wxConfigBase::Set(config);
}

CStderrCapture::CStderrCapture()
{
    char name[] = "/tmp/vellomar-stderr-XXXXXX";
    const int fd = mkstemp(name);
    path = name;
    std::fflush(stderr);
    saved = dup(STDERR_FILENO);
    if (fd >= 0) {
        dup2(fd, STDERR_FILENO);
        close(fd);
    }
}

CStderrCapture::~CStderrCapture()
{
    const std::string text = Text();
    dup2(saved, STDERR_FILENO);
    close(saved);
    std::fputs(text.c_str(), stderr);
    std::remove(path.c_str());
}

std::string CStderrCapture::Text() const
{
    std::fflush(stderr);
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Click(wxWindow* window)
{
    PumpEvents(30);
    const wxRect rect = window->GetScreenRect();
    wxUIActionSimulator simulator;
    simulator.MouseMove(
        rect.GetLeft() + std::min(rect.GetWidth() / 2, 8), rect.GetTop() + rect.GetHeight() / 2);
    PumpEvents(30);
    simulator.MouseClick();
    PumpEvents(100);
}

void Toggle(wxCheckBox* box)
{
    box->SetValue(!box->GetValue());
    wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
    event.SetEventObject(box);
    event.SetInt(box->GetValue() ? 1 : 0);
    box->GetEventHandler()->ProcessEvent(event);
}

void Select(wxWindow* control, int index)
{
    wxItemContainerImmutable* items = dynamic_cast<wxItemContainerImmutable*>(control);
    items->SetSelection(index);
    const bool radio = control->IsKindOf(wxCLASSINFO(wxRadioBox));
    wxCommandEvent event(radio ? wxEVT_RADIOBOX : wxEVT_CHOICE, control->GetId());
    event.SetEventObject(control);
    event.SetInt(index);
    control->GetEventHandler()->ProcessEvent(event);
}

void Scroll(wxWindow* window, int position)
{
    wxSlider* slider = dynamic_cast<wxSlider*>(window);
    slider->SetValue(position);
    wxScrollEvent event(wxEVT_SCROLL_THUMBTRACK, slider->GetId(), position, wxHORIZONTAL);
    event.SetEventObject(slider);
    slider->GetEventHandler()->ProcessEvent(event);
}

std::string SaveScreenshot(wxWindow* window, const std::string& name)
{
    wxWindow* top = wxGetTopLevelParent(window);
    top->Raise();
    top->Refresh();
    top->Update();
    PumpEvents(300);
    const wxRect rect = top->GetScreenRect();
    const std::string path = std::string(VELLOMAR_UI_SCREENSHOT_DIR) + "/" + name + ".png";
    // What the X server shows; a toolkit screen context can hand back an older picture.
    const wxString command = wxString::Format("import -window root -crop %dx%d+%d+%d +repage %s",
        rect.GetWidth(), rect.GetHeight(), rect.GetLeft(), rect.GetTop(), path);
    if (wxExecute(command, wxEXEC_SYNC) == 0)
        return path;
    wxBitmap picture(rect.GetWidth(), rect.GetHeight());
    {
        wxScreenDC screen;
        wxMemoryDC memory(picture);
        memory.Blit(0, 0, rect.GetWidth(), rect.GetHeight(), &screen, rect.GetLeft(), rect.GetTop());
    }
    picture.SaveFile(path, wxBITMAP_TYPE_PNG);
    return path;
}

int CountPixels(const std::string& screenshot, wxWindow* window, const wxColour& colour, int tolerance)
{
    const wxImage image(wxString::FromUTF8(screenshot), wxBITMAP_TYPE_PNG);
    if (!image.IsOk())
        return 0;
    const wxPoint origin = wxGetTopLevelParent(window)->GetScreenRect().GetTopLeft();
    wxRect place = window->GetScreenRect();
    place.Offset(-origin.x, -origin.y);
    place.Intersect(wxRect(image.GetSize()));
    int count = 0;
    for (int y = place.GetTop(); y <= place.GetBottom(); ++y)
        for (int x = place.GetLeft(); x <= place.GetRight(); ++x)
            if (std::abs(image.GetRed(x, y) - colour.Red()) <= tolerance
                && std::abs(image.GetGreen(x, y) - colour.Green()) <= tolerance
                && std::abs(image.GetBlue(x, y) - colour.Blue()) <= tolerance)
                ++count;
    return count;
}

wxWindow* FindByName(wxWindow* parent, const wxString& name)
{
    return wxWindow::FindWindowByName(name, parent);
}

} // namespace gui_test
