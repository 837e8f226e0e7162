#include <QItemSelectionModel>
#include <QListWidget>
#include <QMouseEvent>

#include "toolkit/qt/qt_platform.h"

namespace quillmoor::toolkit::qt {

namespace {

// A list box's mouse input on its item area, and its selection changes.
class ListWatcher : public QObject {
public:
    ListWatcher(QListWidget& list, Happenings& happenings)
        : QObject(&list), list_(IdOf(&list)), happenings_(happenings) {
        connect(list.selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this] { happenings_.SelectionChanged(list_); });
        list.viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
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

private:
    NativeId list_;
    Happenings& happenings_;
};

}  // namespace

QWidget* MakeList(QWidget& parent, Happenings& happenings) {
    auto* list = new QListWidget(&parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    new ListWatcher(*list, happenings);
    return list;
}

}  // namespace quillmoor::toolkit::qt
