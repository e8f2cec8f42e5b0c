// One keyboard shortcut: a key code, whether Ctrl must be held, and what it does.
#include "ui/KeyEventHandler.h"

CKeyEventHandler::CKeyEventHandler(bool ctrl, int keyCode)
    : ctrl(ctrl)
    , keyCode(keyCode)
{
}

void CKeyEventHandler::SetCallback(const boost::function<void()>& newCallback)
{
    callback = newCallback;
}

void CKeyEventHandler::Call() const
{
    if (callback)
        callback();
}
