// Keyboard and focus: the shortcut tables, which key presses the core takes from the widgets,
// and where Tab and Shift+Tab move the focus. A key the core takes never reaches a widget, so
// the decision is made here, before the realisation delivers the key.

#include <algorithm>

#include "toolkit/core/core.h"
#include "toolkit/core/focus_order.h"

namespace quillmoor::toolkit {

void Core::BindShortcut(int window, std::int32_t shortcut, int event) {
    if (WindowRecord* record = windows_.Find(window)) {
        record->shortcuts.Bind(shortcut, event);
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
    return window->shortcuts.Lookup(shortcut).has_value() || DeletesListItem(target, shortcut);
}

bool Core::KeyPressed(NativeId target, std::int32_t shortcut) {
    if (!WouldTakeKey(target, shortcut)) {
        return false;
    }
    if (DeletesListItem(target, shortcut)) {
        Post(target, GadgetEventType::DoubleClick);
        return true;
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

// Delete asks for the selected item's removal only in the focused list, through the event a
// double-click posts: a keyboard user has no other way to remove an item. It is no shortcut
// of the window, so fields and editors keep the key, and a binding of the caller's comes first.
bool Core::DeletesListItem(NativeId target, std::int32_t shortcut) const {
    const GadgetRecord* list = Find(GadgetOf(target), GadgetKind::List);
    return shortcut == kKeyDelete && list != nullptr && platform_->State(list->native) >= 0 &&
           !windows_.Find(list->window)->shortcuts.Lookup(shortcut);
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

}  // namespace quillmoor::toolkit
