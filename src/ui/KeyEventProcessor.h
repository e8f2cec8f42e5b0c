// The program's keyboard shortcuts: unconsumed key presses go to the first matching handler.
#pragma once

#include "ui/KeyEventHandler.h"

#include <boost/noncopyable.hpp>
#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>
#include <list>

class CKeyEventProcessor : private boost::noncopyable {
public:
    // Ctrl not held, no shortcuts.
    CKeyEventProcessor();

    // Registers a shortcut after the existing ones. The caller owns the returned handler; the
    // processor keeps only a weak reference and forgets the shortcut once it has been released.
    boost::shared_ptr<CKeyEventHandler> AddHandler(bool ctrl, int keyCode);

    // A key went down: tracks Ctrl, else runs the first registered matching shortcut that has a
    // callback. True when a callback ran.
    bool OnKeyDown(int keyCode);
    // A key went up: tracks Ctrl. Always false.
    bool OnKeyUp(int keyCode);

private:
    bool ctrlDown;
    std::list<boost::weak_ptr<CKeyEventHandler>> handlers;
};
