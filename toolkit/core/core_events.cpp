// The event half of the core: what each happening the realisation reports means, the queue
// it feeds, the shortcut tables and the Tab order.

#include <algorithm>
#include <cstdlib>

#include "toolkit/core/core.h"
#include "toolkit/core/focus_order.h"

namespace quillmoor::toolkit {

void Core::BindShortcut(int window, std::int32_t shortcut, int event) {
    if (WindowRecord* record = windows_.Find(window)) {
        record->shortcuts.Bind(shortcut, event);
    }
}

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

int Core::FocusedGadget() const {
    return GadgetOf(platform_->FocusedObject());
}

void Core::FocusGadget(int gadget) {
    if (const GadgetRecord* record = gadgets_.Find(gadget)) {
        platform_->Focus(record->native, FocusCause::Program);
    }
}

// The candidates are the window's shown gadgets in creation order; every kind takes the focus.
void Core::MoveFocus(int window, bool forward) {
    std::vector<std::pair<std::uint64_t, FocusSlot>> slots;
    for (const int gadget : gadgets_.Numbers()) {
        const GadgetRecord* record = gadgets_.Find(gadget);
        if (record->window == window) {
            slots.push_back({record->serial, {gadget, IsShown(*record)}});
        }
    }
    std::sort(slots.begin(), slots.end(),
              [](const auto& left, const auto& right) { return left.first < right.first; });
    std::vector<FocusSlot> stops;
    for (const auto& slot : slots) {
        stops.push_back(slot.second);
    }
    const auto next = NextFocus(stops, FocusedGadget(),
                                forward ? FocusDirection::Next : FocusDirection::Previous);
    if (next) {
        platform_->Focus(gadgets_.Find(*next)->native,
                         forward ? FocusCause::TabForward : FocusCause::TabBackward);
    }
}

// An editable editor takes a plain Tab as text, so the shortcut table is not asked then.
bool Core::WouldTakeKey(NativeId target, std::int32_t shortcut) const {
    const WindowRecord* window = windows_.Find(WindowOfTarget(target));
    if (window == nullptr) {
        return false;
    }
    const GadgetRecord* editor = Find(GadgetOf(target), GadgetKind::Editor);
    if (shortcut == kKeyTab && editor != nullptr && !platform_->ReadOnly(editor->native)) {
        return false;
    }
    return window->shortcuts.Lookup(shortcut).has_value();
}

bool Core::KeyPressed(NativeId target, std::int32_t shortcut) {
    if (!WouldTakeKey(target, shortcut)) {
        return false;
    }
    const int window = WindowOfTarget(target);
    const int eventNumber = *windows_.Find(window)->shortcuts.Lookup(shortcut);
    switch (eventNumber) {
        case kFocusNextEvent:
            MoveFocus(window, true);
            break;
        case kFocusPreviousEvent:
            MoveFocus(window, false);
            break;
        default:
            queue_.PostMenuEvent(eventNumber, window, inputSerial_);
            break;
    }
    return true;
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
