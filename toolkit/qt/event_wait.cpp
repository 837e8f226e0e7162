#include <QCoreApplication>
#include <QEventLoop>

#include "toolkit/qt/event_state.h"
#include "toolkit/qt/widget_state.h"
#include "toolkit/toolkit.h"

namespace quillmoor::toolkit {

using qt::Events;

namespace {

// Hands out the next queued event, if any, as the current one.
bool TakeQueued() {
    const auto next = Events().queue.Take();
    Events().current = next.value_or(Event{});
    return next.has_value();
}

// Handles one batch of platform input; with `wait`, sleeps inside the event dispatcher
// until there is some.
void HandleInput(bool wait) {
    QCoreApplication::processEvents(wait ? QEventLoop::WaitForMoreEvents : QEventLoop::AllEvents);
    // Objects that asked to be deleted later (closed popups) go now: this loop is the
    // program's only event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

void BindShortcut(int window, std::int32_t shortcut, int event) {
    const auto table = Events().shortcuts.find(window);
    if (table != Events().shortcuts.end()) {
        table->second.Bind(shortcut, event);
    }
}

EventKind WaitForEvent() {
    while (!TakeQueued()) {
        if (qt::Toolkit() == nullptr) {
            return EventKind::None;
        }
        HandleInput(true);
    }
    return Events().current.kind;
}

EventKind PollEvent() {
    if (!TakeQueued() && qt::Toolkit() != nullptr) {
        HandleInput(false);
        TakeQueued();
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
