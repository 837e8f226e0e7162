#include "toolkit/qt/panel_watcher.h"

#include <QMouseEvent>
#include <QTabBar>

#include "toolkit/qt/native_objects.h"

namespace quillmoor::toolkit::qt {

PanelWatcher::PanelWatcher(QTabWidget& panel, Happenings& happenings)
    : QObject(&panel), panel_(IdOf(&panel)), happenings_(happenings) {
    connect(&panel, &QTabWidget::currentChanged, this, [this](int index) {
        happenings_.TabChanging(panel_);
        happenings_.TabChanged(panel_, index);
    });
    panel.tabBar()->installEventFilter(this);
}

bool PanelWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        happenings_.TabRowReleased(panel_,
                                   static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quillmoor::toolkit::qt
