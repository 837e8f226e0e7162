#include <algorithm>

#include "toolkit/qt/gadget_registry.h"
#include "toolkit/qt/widget_state.h"

namespace quillmoor::toolkit::qt {

const GadgetRecord* FindGadget(int gadget) {
    const WidgetState* state = Toolkit();
    if (state == nullptr) {
        return nullptr;
    }
    const GadgetSlot* slot = state->gadgets.Find(gadget);
    if (slot == nullptr || slot->record.widget.isNull()) {
        return nullptr;
    }
    return &slot->record;
}

int GadgetNumberOf(const QWidget* widget) {
    const WidgetState* state = Toolkit();
    if (state == nullptr) {
        return -1;
    }
    const std::vector<int> numbers = state->gadgets.Numbers();
    for (; widget != nullptr; widget = widget->parentWidget()) {
        for (const int gadget : numbers) {
            if (state->gadgets.Find(gadget)->record.widget == widget) {
                return gadget;
            }
        }
        if (widget->isWindow()) {
            break;
        }
    }
    return -1;
}

std::vector<int> GadgetsOfWindow(int window) {
    std::vector<int> gadgets;
    const WidgetState* state = Toolkit();
    if (state == nullptr) {
        return gadgets;
    }
    for (const int gadget : state->gadgets.Numbers()) {
        const GadgetRecord* record = FindGadget(gadget);
        if (record != nullptr && record->window == window) {
            gadgets.push_back(gadget);
        }
    }
    std::sort(gadgets.begin(), gadgets.end(), [](int left, int right) {
        return FindGadget(left)->creationSerial < FindGadget(right)->creationSerial;
    });
    return gadgets;
}

QWidget* WindowWidget(int window) {
    const WidgetState* state = Toolkit();
    if (state == nullptr) {
        return nullptr;
    }
    const WindowSlot* slot = state->windows.Find(window);
    return slot == nullptr ? nullptr : slot->widget.data();
}

int WindowNumberOf(const QWidget* widget) {
    if (widget == nullptr) {
        return -1;
    }
    const auto* form = qobject_cast<const FormWindow*>(widget->window());
    if (form == nullptr || WindowWidget(form->Number()) != form) {
        return -1;
    }
    return form->Number();
}

}  // namespace quillmoor::toolkit::qt
