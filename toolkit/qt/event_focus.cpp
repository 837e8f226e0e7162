#include "toolkit/qt/event_focus.h"

#include <QTabBar>
#include <QTabWidget>
#include <QWidget>
#include <vector>

#include "toolkit/qt/gadget_registry.h"

namespace quillmoor::toolkit::qt {

namespace {

QWidget* FocusTargetOf(const GadgetRecord& record) {
    if (const auto* panel = qobject_cast<const QTabWidget*>(record.widget.data())) {
        return panel->tabBar();
    }
    return record.widget.data();
}

bool IsCandidate(const QWidget* target) {
    return target != nullptr && target->isVisible() && target->isEnabled() &&
           target->focusPolicy() != Qt::NoFocus;
}

}  // namespace

void MoveFocus(int window, FocusDirection direction) {
    const QWidget* windowWidget = WindowWidget(window);
    if (windowWidget == nullptr) {
        return;
    }
    std::vector<FocusSlot> stops;
    for (const int gadget : GadgetsOfWindow(window)) {
        const GadgetRecord* record = FindGadget(gadget);
        stops.push_back({gadget, record != nullptr && IsCandidate(FocusTargetOf(*record))});
    }
    const int focused = GadgetNumberOf(windowWidget->focusWidget());
    const auto next = NextFocus(stops, focused, direction);
    if (!next) {
        return;
    }
    const Qt::FocusReason reason =
        direction == FocusDirection::Next ? Qt::TabFocusReason : Qt::BacktabFocusReason;
    FocusTargetOf(*FindGadget(*next))->setFocus(reason);
}

}  // namespace quillmoor::toolkit::qt
