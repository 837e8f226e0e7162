#include "toolkit/qt/event_input_filter.h"

#include <QKeyEvent>
#include <QWidget>

#include "toolkit/qt/event_focus.h"
#include "toolkit/qt/event_key_codes.h"
#include "toolkit/qt/event_state.h"
#include "toolkit/qt/gadget_registry.h"

namespace quillmoor::toolkit::qt {

namespace {

// An editable editor takes a plain Tab as text, so the shortcut table is not asked then.
bool IsTabForEditor(const QWidget& receiver, std::int32_t shortcut) {
    if (shortcut != kKeyTab) {
        return false;
    }
    const GadgetRecord* record = FindGadget(GadgetNumberOf(&receiver));
    return record != nullptr && record->kind == GadgetKind::Editor && !record->widget.isNull() &&
           !record->widget->property("readOnly").toBool();
}

bool IsUserInput(const QEvent& event) {
    if (!event.spontaneous()) {
        return false;
    }
    switch (event.type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::Close:
            return true;
        default:
            return false;
    }
}

class InputFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (IsUserInput(*event)) {
            ++Events().inputSerial;
        }
        const bool isPress = event->type() == QEvent::KeyPress;
        if (!isPress && event->type() != QEvent::ShortcutOverride) {
            return false;
        }
        const auto* receiver = qobject_cast<QWidget*>(watched);
        const int window = WindowNumberOf(receiver);
        const auto table = Events().shortcuts.find(window);
        if (table == Events().shortcuts.end()) {
            return false;
        }
        const auto shortcut = ShortcutOf(*static_cast<QKeyEvent*>(event));
        if (!shortcut || IsTabForEditor(*receiver, *shortcut)) {
            return false;
        }
        const auto eventNumber = table->second.Lookup(*shortcut);
        if (!eventNumber) {
            return false;
        }
        // Accepting the override keeps Qt's own shortcuts off the key; the press that follows
        // is the one acted on.
        event->accept();
        if (isPress) {
            Act(window, *eventNumber);
        }
        return true;
    }

private:
    static void Act(int window, int eventNumber) {
        switch (eventNumber) {
            case kFocusNextEvent:
                MoveFocus(window, FocusDirection::Next);
                break;
            case kFocusPreviousEvent:
                MoveFocus(window, FocusDirection::Previous);
                break;
            default:
                Events().queue.PostMenuEvent(eventNumber, window, Events().inputSerial);
                break;
        }
    }
};

}  // namespace

QObject* InstallInputFilter(QApplication& application) {
    auto* filter = new InputFilter(&application);
    application.installEventFilter(filter);
    return filter;
}

}  // namespace quillmoor::toolkit::qt
