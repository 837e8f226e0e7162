// Events: the queue that WaitForEvent() and PollEvent() take from, and the event each
// happening the realisation reports yields, down to the sequences of a list box's press, drag
// and release and of a tab panel's switch. Key presses, which the core may keep from the
// widgets, are judged in core_keyboard.cpp.

#include <cstdlib>

#include "toolkit/core/core.h"

namespace quillmoor::toolkit {

// Hands out the next queued event, if any, as the current one.
bool Core::TakeQueued() {
    const auto next = queue_.Take();
    current_ = next.value_or(Event{});
    return next.has_value();
}

EventKind Core::WaitForEvent() {
    while (!TakeQueued()) {
        platform_->HandleInput(true);
    }
    return current_.kind;
}

EventKind Core::PollEvent() {
    if (!TakeQueued()) {
        platform_->HandleInput(false);
        TakeQueued();
    }
    return current_.kind;
}

void Core::Post(NativeId gadget, GadgetEventType type) {
    const GadgetRecord* record = gadgets_.Find(GadgetOf(gadget));
    if (silenceDepth_ == 0 && record != nullptr) {
        queue_.PostGadgetEvent(GadgetOf(gadget), type, record->window, inputSerial_);
    }
}

void Core::CloseRequested(NativeId window) {
    const int number = WindowOf(window);
    if (number >= 0) {
        queue_.PostWindowEvent(EventKind::Close, number, inputSerial_);
    }
}

void Core::Clicked(NativeId gadget) {
    Post(gadget, GadgetEventType::Change);
}

void Core::TextChanged(NativeId field) {
    Post(field, GadgetEventType::TextChange);
}

void Core::FocusIn(NativeId field) {
    Post(field, GadgetEventType::FocusIn);
}

void Core::FocusOut(NativeId field) {
    Post(field, GadgetEventType::FocusOut);
}

void Core::ListPressed(NativeId list, int x, int y, bool leftButton, bool shiftOrControl) {
    GadgetRecord* record = Find(GadgetOf(list), GadgetKind::List);
    if (record != nullptr && leftButton && !shiftOrControl) {
        record->pressPoint = {x, y};
    }
}

void Core::ListMoved(NativeId list, int x, int y) {
    GadgetRecord* record = Find(GadgetOf(list), GadgetKind::List);
    if (record == nullptr || !record->pressPoint) {
        return;
    }
    const int distance = platform_->DragDistance();
    if (std::abs(x - record->pressPoint->first) > distance ||
        std::abs(y - record->pressPoint->second) > distance) {
        record->pressPoint.reset();
        Post(list, GadgetEventType::DragStart);
    }
}

void Core::ListReleased(NativeId list, bool leftButton) {
    GadgetRecord* record = Find(GadgetOf(list), GadgetKind::List);
    if (record != nullptr && record->pressPoint && leftButton) {
        record->pressPoint.reset();
        Post(list, GadgetEventType::Change);
    }
}

// A press whose release went elsewhere is over: a later hover must not start a drag.
void Core::ListCaptureLost(NativeId list) {
    if (GadgetRecord* record = Find(GadgetOf(list), GadgetKind::List)) {
        record->pressPoint.reset();
    }
}

void Core::ListDoubleClicked(NativeId list, bool leftButton) {
    if (leftButton) {
        Post(list, GadgetEventType::DoubleClick);
    }
}

void Core::SelectionChanged(NativeId list) {
    Post(list, GadgetEventType::Change);
}

// The toolkit's own tab insertions move the selected tab's index, never the selected page.
void Core::TabChanging(NativeId panel) {
    const GadgetRecord* record = Find(GadgetOf(panel), GadgetKind::Panel);
    if (silenceDepth_ == 0 && record != nullptr && record->shownPage != 0) {
        platform_->ShowPage(record->shownPage, false);
    }
}

void Core::TabChanged(NativeId panel, int newIndex) {
    GadgetRecord* record = Find(GadgetOf(panel), GadgetKind::Panel);
    if (silenceDepth_ > 0 || record == nullptr || newIndex < 0 ||
        newIndex >= static_cast<int>(record->pages.size())) {
        return;
    }
    record->shownPage = record->pages[static_cast<std::size_t>(newIndex)];
    platform_->ShowPage(record->shownPage, true);
    Post(panel, GadgetEventType::Change);
}

void Core::TabRowReleased(NativeId panel, bool leftButton) {
    if (leftButton) {
        Post(panel, GadgetEventType::TabClick);
    }
}

}  // namespace quillmoor::toolkit
