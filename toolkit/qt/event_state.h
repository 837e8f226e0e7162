#pragma once

// The event half's own state: the queue, each window's shortcuts, the silence depth of
// SilentChange and the event last handed out. One instance, used from the GUI thread only.

#include <map>

#include "toolkit/event_queue.h"
#include "toolkit/shortcut_table.h"

namespace quillmoor::toolkit::qt {

struct EventState {
    EventQueue queue;
    std::map<int, ShortcutTable> shortcuts;  // by window number, for open windows only
    int silenceDepth = 0;
    Event current;
};

EventState& Events();

// True while the toolkit itself changes widgets: no gadget event may come of it.
inline bool IsSilent() {
    return Events().silenceDepth > 0;
}

}  // namespace quillmoor::toolkit::qt
