#include "toolkit/core/event_queue.h"

#include <algorithm>

namespace quillmoor::toolkit {

void EventQueue::PostGadgetEvent(int gadget, GadgetEventType type, int window, InputSerial input) {
    input_.push_back({{EventKind::Gadget, gadget, type, window}, input});
}

void EventQueue::PostMenuEvent(int eventNumber, int window, InputSerial input) {
    input_.push_back({{EventKind::Menu, eventNumber, GadgetEventType::None, window}, input});
}

void EventQueue::PostClose(int window, InputSerial input) {
    if (!windowEvents_.empty() && windowEvents_.back().event.window == window) {
        return;
    }
    windowEvents_.push_back({{EventKind::Close, 0, GadgetEventType::None, window}, input});
}

std::optional<Event> EventQueue::Take() {
    const bool windowFirst = !windowEvents_.empty() &&
                             (input_.empty() || windowEvents_.front().input < input_.front().input);
    std::deque<Entry>& source = windowFirst ? windowEvents_ : input_;
    if (source.empty()) {
        return std::nullopt;
    }
    const Event event = source.front().event;
    source.pop_front();
    return event;
}

void EventQueue::ForgetGadget(int gadget) {
    std::erase_if(input_, [gadget](const Entry& entry) {
        return entry.event.kind == EventKind::Gadget && entry.event.number == gadget;
    });
}

void EventQueue::ForgetWindow(int window) {
    const auto concernsWindow = [window](const Entry& entry) {
        return entry.event.window == window;
    };
    std::erase_if(input_, concernsWindow);
    std::erase_if(windowEvents_, concernsWindow);
}

}  // namespace quillmoor::toolkit
