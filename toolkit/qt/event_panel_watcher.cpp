#include "toolkit/qt/event_panel_watcher.h"

#include <QMouseEvent>
#include <QTabBar>

#include "toolkit/qt/event_state.h"

namespace quillmoor::toolkit::qt {

PanelWatcher::PanelWatcher(int gadget, int window, QTabWidget& panel)
    : QObject(&panel),
      gadget_(gadget),
      window_(window),
      panel_(panel),
      shownPage_(panel.currentWidget()) {
    connect(&panel, &QTabWidget::currentChanged, this, &PanelWatcher::ShowPage);
    panel.tabBar()->installEventFilter(this);
}

void PanelWatcher::ShowPage(int index) {
    // The panel's stack has already hidden the old page and shown the new one at the size of
    // the display area; what remains is the enabled state.
    if (!shownPage_.isNull()) {
        shownPage_->setEnabled(false);
    }
    shownPage_ = panel_.widget(index);
    if (!shownPage_.isNull()) {
        shownPage_->setEnabled(true);
    }
    PostGadgetEvent(gadget_, GadgetEventType::Change, window_);
}

bool PanelWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        PostGadgetEvent(gadget_, GadgetEventType::TabClick, window_);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quillmoor::toolkit::qt
