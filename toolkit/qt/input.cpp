#include <QApplication>
#include <QKeyEvent>
#include <optional>

#include "toolkit/qt/qt_platform.h"

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

// A key the core can bind, as the virtual-key number of toolkit.h with the modifier bits;
// nothing for every other key, which the core never sees. The keypad's Enter is Return, Backtab
// is Shift+Tab.
std::optional<std::int32_t> ShortcutOf(const QKeyEvent& event) {
    std::int32_t shortcut = 0;
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            shortcut = kKeyReturn;
            break;
        case Qt::Key_Backtab:
            shortcut = kKeyTab | kModShift;
            break;
        case Qt::Key_Tab:
            shortcut = kKeyTab;
            break;
        case Qt::Key_Delete:
            shortcut = kKeyDelete;
            break;
        default:
            return std::nullopt;
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    shortcut |= (modifiers.testFlag(Qt::ShiftModifier) ? kModShift : 0) |
                (modifiers.testFlag(Qt::ControlModifier) ? kModControl : 0) |
                (modifiers.testFlag(Qt::AltModifier) ? kModAlt : 0);
    return shortcut;
}

class InputFilter : public QObject {
public:
    explicit InputFilter(Happenings& happenings) : QObject(qApp), happenings_(happenings) {}

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

QObject* InstallInputFilter(Happenings& happenings) {
    auto* filter = new InputFilter(happenings);
    qApp->installEventFilter(filter);
    return filter;
}

}  // namespace quillmoor::toolkit::qt
