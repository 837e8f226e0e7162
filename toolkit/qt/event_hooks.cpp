#include "toolkit/qt/event_hooks.h"

#include "toolkit/qt/event_state.h"

namespace quillmoor::toolkit::qt {

EventState& Events() {
    static EventState state;
    return state;
}

void WatchWindow(int window, QWidget*) {
    Events().shortcuts[window] = ShortcutTable();
}

void ForgetWindow(int window) {
    Events().shortcuts.erase(window);
    Events().queue.ForgetWindow(window);
}

void WatchGadget(int, GadgetKind, QWidget*) {}

void ForgetGadget(int gadget) {
    Events().queue.ForgetGadget(gadget);
}

void PostWindowEvent(EventKind kind, int window) {
    Events().queue.PostWindowEvent(kind, window);
}

void DiscardPendingInput() {
    Events().queue.DiscardInputEvents();
}

SilentChange::SilentChange() {
    ++Events().silenceDepth;
}

SilentChange::~SilentChange() {
    --Events().silenceDepth;
}

}  // namespace quillmoor::toolkit::qt
