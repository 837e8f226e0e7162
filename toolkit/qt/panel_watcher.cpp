#include "toolkit/qt/panel_watcher.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabBar>

#include "toolkit/qt/native_objects.h"

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

PanelWatcher::PanelWatcher(QTabWidget& panel, Happenings& happenings)
    : QObject(&panel), panel_(IdOf(&panel)), happenings_(happenings) {
    connect(&panel, &QTabWidget::currentChanged, this, [this](int index) {
        happenings_.TabChanging(panel_);
        happenings_.TabChanged(panel_, index);
    });
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
    if (event->type() == QEvent::MouseButtonRelease) {
        happenings_.TabRowReleased(panel_,
                                   static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quillmoor::toolkit::qt
