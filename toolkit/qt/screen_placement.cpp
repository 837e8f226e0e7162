#include "toolkit/qt/screen_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace quillmoor::toolkit::qt {

void KeepOnScreen(QWidget& window, QPoint requested) {
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

}  // namespace quillmoor::toolkit::qt
