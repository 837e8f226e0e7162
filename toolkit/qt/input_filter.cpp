#include "toolkit/qt/input_filter.h"

#include <QKeyEvent>
#include <QWidget>

#include "toolkit/qt/key_codes.h"
#include "toolkit/qt/native_objects.h"

namespace quillmoor::toolkit::qt {

namespace {

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
    InputFilter(QApplication& application, Happenings& happenings)
        : QObject(&application), happenings_(happenings) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (IsUserInput(*event)) {
            happenings_.InputArrived();
        }
        const bool isPress = event->type() == QEvent::KeyPress;
        if (!isPress && event->type() != QEvent::ShortcutOverride) {
            return false;
        }
        const NativeId target = ToolkitObjectOf(qobject_cast<QWidget*>(watched));
        const auto shortcut = ShortcutOf(*static_cast<QKeyEvent*>(event));
        if (target == 0 || !shortcut) {
            return false;
        }
        // Accepting the override keeps Qt's own shortcuts off the key; the press that follows
        // is the one acted on.
        if (!isPress) {
            const bool taken = happenings_.WouldTakeKey(target, *shortcut);
            if (taken) {
                event->accept();
            }
            return taken;
        }
        return happenings_.KeyPressed(target, *shortcut);
    }

private:
    Happenings& happenings_;
};

}  // namespace

QObject* InstallInputFilter(QApplication& application, Happenings& happenings) {
    auto* filter = new InputFilter(application, happenings);
    application.installEventFilter(filter);
    return filter;
}

}  // namespace quillmoor::toolkit::qt
