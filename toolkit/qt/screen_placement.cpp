#include "toolkit/qt/screen_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace quillmoor::toolkit::qt {

namespace {

// A Wayland client has no say in where its windows go: the compositor places them, and Qt
// would only remember a position it can never apply.
bool ProgramPlacesWindows() {
    return !QGuiApplication::platformName().startsWith(u"wayland");
}

void MoveOntoScreen(QWidget& window, QPoint requested) {
    QScreen* screen = QGuiApplication::screenAt(requested);
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    const QRect available = screen->availableGeometry();
    const QRect frame = window.frameGeometry();
    QPoint corner = frame.topLeft();
    corner.setX(
        std::max(available.left(), std::min(corner.x(), available.right() + 1 - frame.width())));
    corner.setY(
        std::max(available.top(), std::min(corner.y(), available.bottom() + 1 - frame.height())));
    if (corner != frame.topLeft()) {
        window.move(corner);
    }
}

// An X11 window manager frames a window only once it is shown, and Qt learns the frame's size
// later still: until then the frame counts as the client area alone. The placement is checked
// again when the frame is known, at the first move (the frame shifting the client area) or
// exposure (the window mapped in its frame) that finds it; after that the user places the
// window. Platforms that know the frame at once pass this check without moving the window.
class PlacementOnceFramed : public QObject {
public:
    PlacementOnceFramed(QWidget& window, QPoint requested)
        : QObject(&window), window_(window), requested_(requested) {
        window.installEventFilter(this);
        window.windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The widget hears of a move once its geometry is updated; its native window, before.
        const QEvent::Type settled = watched == &window_ ? QEvent::Move : QEvent::Expose;
        if (event->type() == settled && window_.frameGeometry() != window_.geometry()) {
            window_.removeEventFilter(this);
            window_.windowHandle()->removeEventFilter(this);
            MoveOntoScreen(window_, requested_);
            deleteLater();
        }
        return false;
    }

private:
    QWidget& window_;
    QPoint requested_;
};

}  // namespace

void PlaceWindow(QWidget& window, QPoint requested) {
    if (ProgramPlacesWindows()) {
        window.move(requested);
    }
}

void KeepOnScreen(QWidget& window, QPoint requested) {
    if (!ProgramPlacesWindows()) {
        return;
    }
    MoveOntoScreen(window, requested);
    new PlacementOnceFramed(window, requested);
}

}  // namespace quillmoor::toolkit::qt
