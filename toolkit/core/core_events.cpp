// Events: the queue that WaitForEvent() and PollEvent() take from, and the event each
// happening the realisation reports yields, down to the sequences of a list box's press, drag
// and release and of a tab panel's switch. Key presses, which the core may keep from the
// widgets, are judged in core_keyboard.cpp.

#include <cstdlib>

#include "toolkit/core/running_core.h"

namespace quillmoor::toolkit {

namespace {

// Hands out the next queued event, if any, as the current one.
bool TakeQueued(Core& core) {
    const auto next = core.queue.Take();
    core.current = next.value_or(Event{});
    return next.has_value();
}

void Post(Core& core, NativeId gadget, GadgetEventType type) {
    const auto found = core.gadgets.find(core.GadgetOf(gadget));
    if (core.silenceDepth == 0 && found != core.gadgets.end()) {
        core.queue.PostGadgetEvent(found->first, type, found->second.window, core.inputSerial);
    }
}

// The current event as the calls below read it; none outside the toolkit's lifetime.
Event Current() {
    const Core* core = RunningCore();
    return core == nullptr ? Event{} : core->current;
}

}  // namespace

EventKind WaitForEvent() {
    Core* core = RunningCore();
    if (core == nullptr) {
        return EventKind::None;
    }
    while (!TakeQueued(*core)) {
        core->platform->HandleInput(true);
    }
    return core->current.kind;
}

EventKind PollEvent() {
    Core* core = RunningCore();
    if (core == nullptr) {
        return EventKind::None;
    }
    if (!TakeQueued(*core)) {
        core->platform->HandleInput(false);
        TakeQueued(*core);
    }
    return core->current.kind;
}

int EventGadgetId() {
    return Current().number;
}

int EventMenuNumber() {
    return Current().number;
}

GadgetEventType EventSubtype() {
    return Current().type;
}

int EventWindow() {
    return Current().window;
}

void Core::CloseRequested(NativeId window) {
    const int number = WindowOf(window);
    if (number >= 0) {
        queue.PostClose(number, inputSerial);
    }
}

void Core::Clicked(NativeId gadget) {
    Post(*this, gadget, GadgetEventType::Change);
}

void Core::TextChanged(NativeId field) {
    Post(*this, field, GadgetEventType::TextChange);
}

void Core::FocusIn(NativeId field) {
    Post(*this, field, GadgetEventType::FocusIn);
}

void Core::FocusOut(NativeId field) {
    Post(*this, field, GadgetEventType::FocusOut);
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
    const int distance = platform->DragDistance();
    if (std::abs(x - record->pressPoint->first) > distance ||
        std::abs(y - record->pressPoint->second) > distance) {
        record->pressPoint.reset();
        Post(*this, list, GadgetEventType::DragStart);
    }
}

void Core::ListReleased(NativeId list, bool leftButton) {
    GadgetRecord* record = Find(GadgetOf(list), GadgetKind::List);
    if (record != nullptr && record->pressPoint && leftButton) {
        record->pressPoint.reset();
        Post(*this, list, GadgetEventType::Change);
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
        Post(*this, list, GadgetEventType::DoubleClick);
    }
}

void Core::SelectionChanged(NativeId list) {
    Post(*this, list, GadgetEventType::Change);
}

// The toolkit's own tab insertions move the selected tab's index, never the selected page.
void Core::TabChanging(NativeId panel) {
    const GadgetRecord* record = Find(GadgetOf(panel), GadgetKind::Panel);
    if (silenceDepth == 0 && record != nullptr && record->shownPage != 0) {
        platform->ShowPage(record->shownPage, false);
    }
}

void Core::TabChanged(NativeId panel, int newIndex) {
    GadgetRecord* record = Find(GadgetOf(panel), GadgetKind::Panel);
    if (silenceDepth > 0 || record == nullptr || newIndex < 0 ||
        newIndex >= static_cast<int>(record->pages.size())) {
        return;
    }
    record->shownPage = record->pages[static_cast<std::size_t>(newIndex)];
    platform->ShowPage(record->shownPage, true);
    Post(*this, panel, GadgetEventType::Change);
}

void Core::TabRowReleased(NativeId panel, bool leftButton) {
    if (leftButton) {
        Post(*this, panel, GadgetEventType::TabClick);
    }
}

}  // namespace quillmoor::toolkit
