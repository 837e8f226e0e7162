#include "toolkit/event_queue.h"

#include <algorithm>

namespace quillmoor::toolkit {

void EventQueue::PostGadgetEvent(int gadget, GadgetEventType type, int window) {
    input_.push_back({EventKind::Gadget, gadget, type, window});
}

void EventQueue::PostMenuEvent(int eventNumber, int window) {
    input_.push_back({EventKind::Menu, eventNumber, GadgetEventType::None, window});
}

void EventQueue::PostWindowEvent(EventKind kind, int window) {
    if (!windowEvents_.empty() && windowEvents_.back().kind == kind &&
        windowEvents_.back().window == window) {
        return;
    }
    windowEvents_.push_back({kind, 0, GadgetEventType::None, window});
}

std::optional<Event> EventQueue::Take() {
    std::deque<Event>& source = input_.empty() ? windowEvents_ : input_;
    if (source.empty()) {
        return std::nullopt;
    }
    Event event = source.front();
    source.pop_front();
    return event;
}

void EventQueue::ForgetGadget(int gadget) {
    std::erase_if(input_, [gadget](const Event& event) {
        return event.kind == EventKind::Gadget && event.number == gadget;
    });
}

void EventQueue::ForgetWindow(int window) {
    const auto concernsWindow = [window](const Event& event) { return event.window == window; };
    std::erase_if(input_, concernsWindow);
    std::erase_if(windowEvents_, concernsWindow);
}

}  // namespace quillmoor::toolkit
