#include "toolkit/qt/event_panel_watcher.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabBar>

#include "toolkit/qt/event_state.h"

namespace quillmoor::toolkit::qt {

namespace {

// The panel's own keys for the next and previous tab; they reach it from any widget on a page.
bool IsTabCycleKey(const QEvent& event) {
    if (event.type() != QEvent::KeyPress) {
        return false;
    }
    const auto& key = static_cast<const QKeyEvent&>(event);
    return (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) &&
           key.modifiers().testFlag(Qt::ControlModifier);
}

}  // namespace

PanelWatcher::PanelWatcher(int gadget, int window, QTabWidget& panel)
    : QObject(&panel), gadget_(gadget), window_(window) {
    connect(&panel, &QTabWidget::currentChanged, this,
            [this] { PostGadgetEvent(gadget_, GadgetEventType::Change, window_); });
    panel.installEventFilter(this);
    panel.tabBar()->installEventFilter(this);
}

bool PanelWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (qobject_cast<QTabBar*>(watched) == nullptr) {
        return IsTabCycleKey(*event) || QObject::eventFilter(watched, event);
    }
    if (event->type() == QEvent::Wheel) {
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        PostGadgetEvent(gadget_, GadgetEventType::TabClick, window_);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quillmoor::toolkit::qt
