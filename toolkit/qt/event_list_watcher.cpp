#include "toolkit/qt/event_list_watcher.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <cstdlib>

#include "toolkit/qt/event_state.h"

namespace quillmoor::toolkit::qt {

ListWatcher::ListWatcher(int gadget, int window, QAbstractItemView& list)
    : QObject(&list), gadget_(gadget), window_(window) {
    connect(list.selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { PostGadgetEvent(gadget_, GadgetEventType::Change, window_); });
    list.viewport()->installEventFilter(this);
}

bool ListWatcher::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            HandleMouse(*static_cast<QMouseEvent*>(event));
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void ListWatcher::HandleMouse(const QMouseEvent& event) {
    const QPoint point = event.position().toPoint();
    switch (event.type()) {
        case QEvent::MouseButtonPress:
            if (event.button() == Qt::LeftButton &&
                !(event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))) {
                pressPoint_ = point;
            }
            break;
        case QEvent::MouseMove:
            if (pressPoint_) {
                const QPoint moved = point - *pressPoint_;
                const int distance = QApplication::startDragDistance();
                if (std::abs(moved.x()) > distance || std::abs(moved.y()) > distance) {
                    pressPoint_.reset();
                    PostGadgetEvent(gadget_, GadgetEventType::DragStart, window_);
                }
            }
            break;
        case QEvent::MouseButtonRelease:
            if (pressPoint_ && event.button() == Qt::LeftButton) {
                pressPoint_.reset();
                PostGadgetEvent(gadget_, GadgetEventType::Change, window_);
            }
            break;
        case QEvent::MouseButtonDblClick:
            if (event.button() == Qt::LeftButton) {
                PostGadgetEvent(gadget_, GadgetEventType::DoubleClick, window_);
            }
            break;
        default:
            break;
    }
}

}  // namespace quillmoor::toolkit::qt
