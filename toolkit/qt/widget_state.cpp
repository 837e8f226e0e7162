#include "toolkit/qt/widget_state.h"

#include <memory>
#include <optional>

#include "toolkit/qt/event_hooks.h"

namespace quillmoor::toolkit::qt {

namespace {

// Never destroyed by the process's exit. A program that leaves main() without EndToolkit()
// leaves its windows to the end of the process, as it leaves Qt's application object: a static
// destructor would delete them after Qt's own statics are already gone.
std::optional<WidgetState>& StateStorage() {
    static auto* state = new std::optional<WidgetState>;
    return *state;
}

bool IsInside(const QWidget* widget, const QWidget* outer) {
    return widget != nullptr && (widget == outer || outer->isAncestorOf(widget));
}

}  // namespace

WindowSlot::~WindowSlot() {
    delete widget.data();
}

GadgetSlot::~GadgetSlot() {
    delete record.widget.data();
}

WidgetState* Toolkit() {
    auto& state = StateStorage();
    return state ? &*state : nullptr;
}

void StartWidgetState(const QFont& defaultFont) {
    StateStorage().emplace().defaultFont = defaultFont;
}

void EndWidgetState() {
    WidgetState* state = Toolkit();
    if (state == nullptr) {
        return;
    }
    state->gadgetList.Clear();
    for (const int window : state->windows.Numbers()) {
        DestroyWindow(*state, window);
    }
    for (const int font : state->fonts.Numbers()) {
        state->fonts.Remove(font);
    }
    StateStorage().reset();
}

void DestroyGadget(WidgetState& state, int gadget) {
    const GadgetSlot* slot = state.gadgets.Find(gadget);
    if (slot == nullptr) {
        return;
    }
    const QWidget* outer = slot->record.widget.data();
    for (const int inner : state.gadgets.Numbers()) {
        const GadgetSlot* candidate = state.gadgets.Find(inner);
        if (inner != gadget && outer != nullptr && IsInside(candidate->record.widget, outer)) {
            ForgetGadget(inner);
            state.gadgets.Remove(inner);
        }
    }
    ForgetGadget(gadget);
    state.gadgets.Remove(gadget);
}

void DestroyWindow(WidgetState& state, int window) {
    if (state.windows.Find(window) == nullptr) {
        return;
    }
    for (const int gadget : state.gadgets.Numbers()) {
        if (state.gadgets.Find(gadget)->record.window == window) {
            ForgetGadget(gadget);
            state.gadgets.Remove(gadget);
        }
    }
    ForgetWindow(window);
    state.windows.Remove(window);
}

QWidget* GadgetWidget(int gadget, GadgetKind kind) {
    const GadgetRecord* record = FindGadget(gadget);
    if (record == nullptr || record->kind != kind) {
        return nullptr;
    }
    return record->widget.data();
}

}  // namespace quillmoor::toolkit::qt
