// One keyboard shortcut: a key code, whether Ctrl must be held, and what it does.
#pragma once

#include <boost/function.hpp>
#include <boost/noncopyable.hpp>

class CKeyEventHandler : private boost::noncopyable {
public:
    // A shortcut for the key code (a letter's upper-case code or a WXK_ code); no callback yet.
    CKeyEventHandler(bool ctrl, int keyCode);

    // Replaces what the shortcut does.
    void SetCallback(const boost::function<void()>& callback);

    bool NeedsCtrl() const { return ctrl; }
    int GetKeyCode() const { return keyCode; }
    bool HasCallback() const { return !callback.empty(); }
    // Runs the callback; does nothing while there is none.
    void Call() const;

private:
    const bool ctrl;
    const int keyCode;
    boost::function<void()> callback;
};
