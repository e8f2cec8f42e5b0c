// The program's keyboard shortcuts: unconsumed key presses go to the first matching handler.
#include "ui/KeyEventProcessor.h"

#include "engine/Log.h"

#include <boost/format.hpp>
#include <wx/defs.h>

CKeyEventProcessor::CKeyEventProcessor()
    : ctrlDown(false)
{
}

boost::shared_ptr<CKeyEventHandler> CKeyEventProcessor::AddHandler(bool ctrl, int keyCode)
{
    boost::shared_ptr<CKeyEventHandler> handler(new CKeyEventHandler(ctrl, keyCode));
    handlers.push_back(handler);
    return handler;
}

bool CKeyEventProcessor::OnKeyDown(int keyCode)
{
    if (keyCode == WXK_CONTROL) {
        ctrlDown = true;
        Trace(L"KeyEventProcessor: ctrl key down");
        return false;
    }
    const char shown = static_cast<char>(keyCode & 0xFF);
    for (auto entry = handlers.begin(); entry != handlers.end();) {
        const boost::shared_ptr<CKeyEventHandler> handler = entry->lock();
        if (!handler) {
            entry = handlers.erase(entry);
            continue;
        }
        ++entry;
        if (handler->NeedsCtrl() != ctrlDown || handler->GetKeyCode() != keyCode)
            continue;
        if (ctrlDown)
            Trace((boost::wformat(L"KeyEventProcessor: Ctrl-%c (Code: %d)") % shown % keyCode).str());
        else
            Trace((boost::wformat(L"KeyEventProcessor: %c (Code: %d)") % shown % keyCode).str());
        if (!handler->HasCallback())
            continue;
        // The Ctrl release may never reach us once the shortcut has opened a dialog.
        if (ctrlDown)
            ctrlDown = false;
        handler->Call();
        return true;
    }
    return false;
}

bool CKeyEventProcessor::OnKeyUp(int keyCode)
{
    if (keyCode == WXK_CONTROL) {
        ctrlDown = false;
        Trace(L"KeyEventProcessor: ctrl key up");
    }
    return false;
}
