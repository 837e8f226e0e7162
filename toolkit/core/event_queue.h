#pragma once

// The toolkit's queue of events on their way to the caller, without any platform in it.
//
// Two first-in first-out lists: the gadget and menu events that user input has yielded, and
// the window events, which are close requests. Each entry carries the serial number of the
// platform input during which it arose, so that inputs are served in the order they came,
// and within one input the gadget and menu events come before the window events queued
// while it was handled. Nothing is ever dropped or reordered, except that a close equal to
// the newest queued window event is not added again, and that the entries of a gadget or
// window leave with it.

#include <cstdint>
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

// Counts the platform's inputs; it only grows.
using InputSerial = std::uint64_t;

class EventQueue {
public:
    void PostGadgetEvent(int gadget, GadgetEventType type, int window, InputSerial input);
    void PostMenuEvent(int eventNumber, int window, InputSerial input);
    // Not added when the newest queued window event is the same window's close.
    void PostClose(int window, InputSerial input);

    // The oldest entry of the earliest input, gadget and menu events first; else nothing.
    std::optional<Event> Take();

    // Drops every pending gadget and menu event; window events stay.
    void DiscardInputEvents() { input_.clear(); }
    // Drops the gadget events of a gadget that is going away.
    void ForgetGadget(int gadget);
    // Drops every event that concerns a window that is going away.
    void ForgetWindow(int window);

private:
    struct Entry {
        Event event;
        InputSerial input;
    };

    std::deque<Entry> input_;
    std::deque<Entry> windowEvents_;
};

}  // namespace quillmoor::toolkit
