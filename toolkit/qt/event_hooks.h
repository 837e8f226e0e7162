#pragma once

// The seam between the widget half of the Qt realisation and its event half: the widget half
// reports every window and gadget it creates or destroys, and the event half turns the
// widgets' signals and input into the toolkit's numbered events.

#include <QWidget>

#include "toolkit/core/gadget_kind.h"
#include "toolkit/toolkit.h"

namespace quillmoor::toolkit::qt {

// Called once the window's widget exists and is registered under its number.
void WatchWindow(int window, QWidget* widget);
// Called before the window's widget is destroyed; drops its shortcuts and queued events.
void ForgetWindow(int window);

// Called once the gadget's widget exists, is registered, and holds its initial content,
// so that building a form posts no event.
void WatchGadget(int gadget, GadgetKind kind, QWidget* widget);
// Called before the gadget's widget is destroyed; drops its pending events.
void ForgetGadget(int gadget);

// A happening of a window as a whole, the close request above all.
void PostWindowEvent(EventKind kind, int window);

// Handles every platform input pending now and discards the gadget and menu events it
// yields; window events stay queued.
void DiscardPendingInput();

// Programmatic changes made by the toolkit's own operations (items added, texts written,
// tabs inserted) must post no gadget event: the widget half wraps them in this guard.
class SilentChange {
public:
    SilentChange();
    ~SilentChange();
    SilentChange(const SilentChange&) = delete;
    SilentChange& operator=(const SilentChange&) = delete;
};

}  // namespace quillmoor::toolkit::qt
