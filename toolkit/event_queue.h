#pragma once

// The toolkit's queue of events on their way to the caller, without any platform in it.
//
// Two first-in first-out lists: the gadget and menu events that user input has yielded, and
// the window events (close requests above all). Gadget and menu events are served first, so
// that what one input yields comes before the window events queued while it was handled;
// the realisation reads new input only when both lists are empty. Nothing is ever dropped
// or reordered, except that a window event equal to the newest queued one is not added
// again, and that the entries of a gadget or window leave with it.

#include <deque>
#include <optional>

#include "toolkit/toolkit.h"

namespace quillmoor::toolkit {

// One event as WaitForEvent() hands it out. For a menu event, number is the event number.
struct Event {
    EventKind kind = EventKind::None;
    int number = 0;
    GadgetEventType type = GadgetEventType::None;
    int window = -1;

    friend bool operator==(const Event&, const Event&) = default;
};

class EventQueue {
public:
    void PostGadgetEvent(int gadget, GadgetEventType type, int window);
    void PostMenuEvent(int eventNumber, int window);
    // Not added when the newest queued window event has the same kind and window.
    void PostWindowEvent(EventKind kind, int window);

    // The oldest gadget or menu event, else the oldest window event, else nothing.
    std::optional<Event> Take();
    bool IsEmpty() const { return input_.empty() && windowEvents_.empty(); }

    // Drops every pending gadget and menu event; window events stay.
    void DiscardInputEvents() { input_.clear(); }
    // Drops the gadget events of a gadget that is going away.
    void ForgetGadget(int gadget);
    // Drops every event that concerns a window that is going away.
    void ForgetWindow(int window);

private:
    std::deque<Event> input_;
    std::deque<Event> windowEvents_;
};

}  // namespace quillmoor::toolkit
