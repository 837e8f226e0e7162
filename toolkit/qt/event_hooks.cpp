#include "toolkit/qt/event_hooks.h"

#include <QApplication>

#include "toolkit/qt/event_input_filter.h"
#include "toolkit/qt/event_state.h"
#include "toolkit/qt/event_watchers.h"
#include "toolkit/qt/gadget_registry.h"

namespace quillmoor::toolkit::qt {

namespace {

void StopWatching(int gadget) {
    const auto watch = Events().watches.find(gadget);
    if (watch == Events().watches.end()) {
        return;
    }
    delete watch->second.watcher.data();
    Events().watches.erase(watch);
}

}  // namespace

// Never destroyed by the process's exit, like the widget state whose watchers it points to.
EventState& Events() {
    static auto* state = new EventState;
    return *state;
}

void PostGadgetEvent(int gadget, GadgetEventType type, int window) {
    if (Events().silenceDepth == 0) {
        Events().queue.PostGadgetEvent(gadget, type, window, Events().inputSerial);
    }
}

void WatchWindow(int window, QWidget*) {
    if (Events().inputFilter.isNull() && qApp != nullptr) {
        Events().inputFilter = InstallInputFilter(*qApp);
    }
    Events().shortcuts[window] = ShortcutTable();
}

void ForgetWindow(int window) {
    for (auto watch = Events().watches.begin(); watch != Events().watches.end();) {
        if (watch->second.window == window) {
            delete watch->second.watcher.data();
            watch = Events().watches.erase(watch);
        } else {
            ++watch;
        }
    }
    Events().shortcuts.erase(window);
    Events().queue.ForgetWindow(window);
}

void WatchGadget(int gadget, GadgetKind kind, QWidget* widget) {
    StopWatching(gadget);
    const GadgetRecord* record = FindGadget(gadget);
    const int window = record != nullptr ? record->window : WindowNumberOf(widget);
    Events().watches[gadget] = {CreateGadgetWatcher(gadget, window, kind, widget), window};
}

void ForgetGadget(int gadget) {
    StopWatching(gadget);
    Events().queue.ForgetGadget(gadget);
}

void PostWindowEvent(EventKind kind, int window) {
    Events().queue.PostWindowEvent(kind, window, Events().inputSerial);
}

void DiscardPendingInput() {
    QCoreApplication::processEvents();
    Events().queue.DiscardInputEvents();
}

SilentChange::SilentChange() {
    ++Events().silenceDepth;
}

SilentChange::~SilentChange() {
    --Events().silenceDepth;
}

}  // namespace quillmoor::toolkit::qt
