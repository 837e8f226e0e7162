#include "toolkit/qt/gadget_watchers.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QLineEdit>

#include "toolkit/qt/list_watcher.h"
#include "toolkit/qt/native_objects.h"
#include "toolkit/qt/panel_watcher.h"

namespace quillmoor::toolkit::qt {

namespace {

// A text field's own context menu takes the focus only for show, as native fields keep it, so
// focus moves for a popup are not reported.
class TextFieldWatcher : public QObject {
public:
    TextFieldWatcher(QLineEdit& field, Happenings& happenings)
        : QObject(&field), happenings_(happenings) {
        connect(&field, &QLineEdit::textChanged, this,
                [this, &field] { happenings_.TextChanged(IdOf(&field)); });
        field.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto type = event->type();
        if ((type == QEvent::FocusIn || type == QEvent::FocusOut) &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            const NativeId field = IdOf(watched);
            type == QEvent::FocusIn ? happenings_.FocusIn(field) : happenings_.FocusOut(field);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    Happenings& happenings_;
};

}  // namespace

void WatchGadget(QWidget& widget, GadgetKind kind, Happenings& happenings) {
    switch (kind) {
        case GadgetKind::Panel:
            new PanelWatcher(static_cast<QTabWidget&>(widget), happenings);
            break;
        case GadgetKind::Text:
            new TextFieldWatcher(static_cast<QLineEdit&>(widget), happenings);
            break;
        case GadgetKind::List:
            new ListWatcher(static_cast<QAbstractItemView&>(widget), happenings);
            break;
        case GadgetKind::Check:
        case GadgetKind::Button:
            QObject::connect(static_cast<QAbstractButton*>(&widget), &QAbstractButton::clicked,
                             &widget,
                             [&widget, &happenings] { happenings.Clicked(IdOf(&widget)); });
            break;
        case GadgetKind::Editor:
            break;
    }
}

}  // namespace quillmoor::toolkit::qt
