#pragma once

// The event half's own state: the queue, each window's shortcuts, the watchers that turn a
// gadget's signals into events, and the event last handed out. One instance, used from the
// GUI thread only.

#include <QObject>
#include <QPointer>
#include <map>

#include "toolkit/core/event_queue.h"
#include "toolkit/core/shortcut_table.h"
#include "toolkit/toolkit.h"

namespace quillmoor::toolkit::qt {

struct GadgetWatch {
    QPointer<QObject> watcher;  // a child of the gadget's widget; deleting it stops its events
    int window;
};

struct EventState {
    EventQueue queue;
    std::map<int, ShortcutTable> shortcuts;  // by window number, open windows only
    std::map<int, GadgetWatch> watches;      // by gadget number
    QPointer<QObject> inputFilter;           // installed on the application, owned by it
    InputSerial inputSerial = 0;             // advanced by the input filter
    int silenceDepth = 0;
    Event current;
};

EventState& Events();

// Posts the gadget event unless the toolkit itself is changing widgets (SilentChange).
void PostGadgetEvent(int gadget, GadgetEventType type, int window);

}  // namespace quillmoor::toolkit::qt
