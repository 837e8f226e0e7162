#include <QCoreApplication>
#include <QEventLoop>

#include "toolkit/qt/event_state.h"
#include "toolkit/toolkit.h"

namespace quillmoor::toolkit {

using qt::Events;

void BindShortcut(int window, std::int32_t shortcut, int event) {
    const auto table = Events().shortcuts.find(window);
    if (table != Events().shortcuts.end()) {
        table->second.Bind(shortcut, event);
    }
}

EventKind WaitForEvent() {
    Events().current = Event{};
    while (true) {
        if (const auto next = Events().queue.Take()) {
            Events().current = *next;
            return next->kind;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

EventKind PollEvent() {
    Events().current = Event{};
    if (Events().queue.IsEmpty()) {
        QCoreApplication::processEvents();
    }
    if (const auto next = Events().queue.Take()) {
        Events().current = *next;
    }
    return Events().current.kind;
}

int EventGadgetId() {
    return Events().current.number;
}

int EventMenuNumber() {
    return Events().current.number;
}

GadgetEventType EventSubtype() {
    return Events().current.type;
}

int EventWindow() {
    return Events().current.window;
}

}  // namespace quillmoor::toolkit
