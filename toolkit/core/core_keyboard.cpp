// Keyboard and focus: the shortcut tables, which key presses the core takes from the widgets,
// and where Tab and Shift+Tab move the focus. A key the core takes never reaches a widget, so
// the decision is made here, before the realisation delivers the key.

#include <algorithm>

#include "toolkit/core/running_core.h"

namespace quillmoor::toolkit {

namespace {

constexpr int kLargestEventNumber = 0xFFFF;

// A gadget is shown when every page it lies on is its panel's selected page.
bool IsShown(const Core& core, const GadgetRecord& record) {
    if (record.panel < 0) {
        return true;
    }
    const auto panel = core.gadgets.find(record.panel);
    return panel != core.gadgets.end() && panel->second.shownPage == record.page &&
           IsShown(core, panel->second);
}

// The candidates are the window's shown gadgets in creation order; every kind takes the focus.
// The focused gadget counts by its place even when it is hidden, and keeps the focus when it is
// the only candidate; without a focused gadget of the window the walk starts just outside the
// order, so that its first step lands on the first gadget (forward) or the last (backward).
void MoveFocus(Core& core, int window, bool forward) {
    std::vector<const GadgetRecord*> order;
    for (const auto& [number, record] : core.gadgets) {
        if (record.window == window) {
            order.push_back(&record);
        }
    }
    std::sort(order.begin(), order.end(),
              [](const auto* left, const auto* right) { return left->serial < right->serial; });
    const NativeId focused = core.platform->FocusedObject();
    const auto at = std::find_if(order.begin(), order.end(), [focused](const auto* record) {
        return record->native == focused;
    });
    const std::size_t count = order.size();
    std::size_t position = at != order.end() ? static_cast<std::size_t>(at - order.begin())
                                             : (forward ? count - 1 : 0);
    for (std::size_t step = 0; step < count; ++step) {
        position = forward ? (position + 1) % count : (position + count - 1) % count;
        if (IsShown(core, *order[position])) {
            core.platform->Focus(order[position]->native,
                                 forward ? FocusCause::TabForward : FocusCause::TabBackward);
            return;
        }
    }
}

// Delete asks for the selected item's removal only in the focused list, through the event a
// double-click posts: a keyboard user has no other way to remove an item. It is no shortcut
// of the window, so fields and editors keep the key, and a binding of the caller's comes first.
bool DeletesListItem(const Core& core, NativeId target, std::int32_t shortcut) {
    const auto list = core.gadgets.find(core.GadgetOf(target));
    return shortcut == kKeyDelete && list != core.gadgets.end() &&
           list->second.kind == GadgetKind::List &&
           core.platform->State(list->second.native) >= 0 &&
           !core.windows.at(list->second.window).shortcuts.contains(shortcut);
}

}  // namespace

void BindShortcut(int window, std::int32_t shortcut, int event) {
    Core* core = RunningCore();
    if (core != nullptr && core->windows.contains(window) && event >= 0 &&
        event <= kLargestEventNumber) {
        core->windows.at(window).shortcuts[shortcut] = event;
    }
}

// An editable editor takes a plain Tab as text, so the shortcut table is not asked then.
bool Core::WouldTakeKey(NativeId target, std::int32_t shortcut) const {
    const auto window = windows.find(WindowOfTarget(target));
    if (window == windows.end()) {
        return false;
    }
    const auto gadget = gadgets.find(GadgetOf(target));
    if (shortcut == kKeyTab && gadget != gadgets.end() &&
        gadget->second.kind == GadgetKind::Editor && !platform->ReadOnly(gadget->second.native)) {
        return false;
    }
    return window->second.shortcuts.contains(shortcut) || DeletesListItem(*this, target, shortcut);
}

bool Core::KeyPressed(NativeId target, std::int32_t shortcut) {
    if (!WouldTakeKey(target, shortcut)) {
        return false;
    }
    const int window = WindowOfTarget(target);
    if (DeletesListItem(*this, target, shortcut)) {
        queue.PostGadgetEvent(GadgetOf(target), GadgetEventType::DoubleClick, window, inputSerial);
        return true;
    }
    const int eventNumber = windows.at(window).shortcuts.at(shortcut);
    switch (eventNumber) {
        case kFocusNextEvent:
            MoveFocus(*this, window, true);
            break;
        case kFocusPreviousEvent:
            MoveFocus(*this, window, false);
            break;
        default:
            queue.PostMenuEvent(eventNumber, window, inputSerial);
            break;
    }
    return true;
}

int FocusedGadget() {
    const Core* core = RunningCore();
    return core == nullptr ? -1 : core->GadgetOf(core->platform->FocusedObject());
}

void FocusGadget(int gadget) {
    Core* core = RunningCore();
    if (const GadgetRecord* record = core == nullptr ? nullptr : core->Find(gadget)) {
        core->platform->Focus(record->native, FocusCause::Program);
    }
}

}  // namespace quillmoor::toolkit
