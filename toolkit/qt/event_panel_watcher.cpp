#include "toolkit/qt/event_panel_watcher.h"

#include <QMouseEvent>
#include <QTabBar>

#include "toolkit/qt/event_state.h"

namespace quillmoor::toolkit::qt {

PanelWatcher::PanelWatcher(int gadget, int window, QTabWidget& panel)
    : QObject(&panel), gadget_(gadget), window_(window) {
    connect(&panel, &QTabWidget::currentChanged, this,
            [this] { PostGadgetEvent(gadget_, GadgetEventType::Change, window_); });
    panel.tabBar()->installEventFilter(this);
}

bool PanelWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        PostGadgetEvent(gadget_, GadgetEventType::TabClick, window_);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quillmoor::toolkit::qt
