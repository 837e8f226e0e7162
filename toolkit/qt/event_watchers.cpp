#include "toolkit/qt/event_watchers.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QLineEdit>

#include "toolkit/qt/event_list_watcher.h"
#include "toolkit/qt/event_panel_watcher.h"
#include "toolkit/qt/event_state.h"

namespace quillmoor::toolkit::qt {

namespace {

// A text field's events. Its own context menu takes the focus only for show, as native
// fields keep it, so focus moves for a popup are not reported.
class TextFieldWatcher : public QObject {
public:
    TextFieldWatcher(int gadget, int window, QLineEdit& field)
        : QObject(&field), gadget_(gadget), window_(window) {
        connect(&field, &QLineEdit::textChanged, this,
                [this] { PostGadgetEvent(gadget_, GadgetEventType::TextChange, window_); });
        field.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool focusIn = event->type() == QEvent::FocusIn;
        if ((focusIn || event->type() == QEvent::FocusOut) &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            PostGadgetEvent(gadget_, focusIn ? GadgetEventType::FocusIn : GadgetEventType::FocusOut,
                            window_);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    int gadget_;
    int window_;
};

QObject* WatchClicks(int gadget, int window, QAbstractButton& button) {
    auto* watcher = new QObject(&button);
    QObject::connect(&button, &QAbstractButton::clicked, watcher, [gadget, window] {
        PostGadgetEvent(gadget, GadgetEventType::Change, window);
    });
    return watcher;
}

}  // namespace

QObject* CreateGadgetWatcher(int gadget, int window, GadgetKind kind, QWidget* widget) {
    switch (kind) {
        case GadgetKind::Panel:
            if (auto* panel = qobject_cast<QTabWidget*>(widget)) {
                return new PanelWatcher(gadget, window, *panel);
            }
            break;
        case GadgetKind::Text:
            if (auto* field = qobject_cast<QLineEdit*>(widget)) {
                return new TextFieldWatcher(gadget, window, *field);
            }
            break;
        case GadgetKind::List:
            if (auto* list = qobject_cast<QAbstractItemView*>(widget)) {
                return new ListWatcher(gadget, window, *list);
            }
            break;
        case GadgetKind::Check:
        case GadgetKind::Button:
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                return WatchClicks(gadget, window, *button);
            }
            break;
        case GadgetKind::Editor:
            break;
    }
    return nullptr;
}

}  // namespace quillmoor::toolkit::qt
