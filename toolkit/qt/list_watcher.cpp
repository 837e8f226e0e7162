#include "toolkit/qt/list_watcher.h"

#include <QItemSelectionModel>
#include <QMouseEvent>

#include "toolkit/qt/native_objects.h"

namespace quillmoor::toolkit::qt {

ListWatcher::ListWatcher(QAbstractItemView& list, Happenings& happenings)
    : QObject(&list), list_(IdOf(&list)), happenings_(happenings) {
    connect(list.selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { happenings_.SelectionChanged(list_); });
    list.viewport()->installEventFilter(this);
}

bool ListWatcher::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    // A window that is no longer active has lost the pointer: the release of a press made
    // before goes to another window.
    if (type == QEvent::WindowDeactivate) {
        happenings_.ListCaptureLost(list_);
    }
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
        type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove) {
        const auto& mouse = *static_cast<QMouseEvent*>(event);
        const QPoint point = mouse.position().toPoint();
        const bool left = mouse.button() == Qt::LeftButton;
        switch (type) {
            case QEvent::MouseButtonPress:
                happenings_.ListPressed(
                    list_, point.x(), point.y(), left,
                    (mouse.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) != 0);
                break;
            case QEvent::MouseMove:
                happenings_.ListMoved(list_, point.x(), point.y());
                break;
            case QEvent::MouseButtonRelease:
                happenings_.ListReleased(list_, left);
                break;
            default:
                happenings_.ListDoubleClicked(list_, left);
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quillmoor::toolkit::qt
