#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <memory>

#include "toolkit/qt/event_hooks.h"
#include "toolkit/qt/qt_text.h"
#include "toolkit/qt/widget_state.h"
#include "toolkit/toolkit.h"

namespace quillmoor::toolkit {

namespace {

// X11 sizes are 16-bit; larger windows cannot be made anywhere.
constexpr int kMaxWindowSide = 32767;

// Read as PNG outright: guessing the format would load every image-format plugin, which
// costs the window a noticeable part of its start-up.
QIcon ApplicationIcon() {
    QIcon icon;
    for (const char* size : {"16", "32", "48", "256"}) {
        const QString path = QStringLiteral(":/quillmoor/icon-%1.png").arg(QLatin1String(size));
        if (!QFile::exists(path)) {
            continue;
        }
        QImageReader reader(path, "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull()) {
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return icon;
}

// A window placed for a large screen may lie partly off a small one; it is moved just far
// enough to be wholly visible, its top-left corner winning when it is larger than the screen.
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
            KeepOnScreen(window_, requested_);
            deleteLater();
        }
        return false;
    }

private:
    QWidget& window_;
    QPoint requested_;
};

}  // namespace

Handle OpenFormWindow(int window, int x, int y, int innerWidth, int innerHeight,
                      const std::string& title, std::uint32_t) {
    qt::WidgetState* state = qt::Toolkit();
    if (state == nullptr) {
        // A failed InitToolkit() has already said why, and that reason is the useful one.
        if (LastFailure().empty()) {
            qt::ReportFailure("the toolkit is not running");
        }
        return 0;
    }
    if (!decltype(state->windows)::Accepts(window)) {
        qt::ReportFailure("window number " + std::to_string(window) + " is outside 0.." +
                          std::to_string(kMaxObjectNumber));
        return 0;
    }
    // A call that fails leaves the number free, so the old window goes before any check.
    qt::DestroyWindow(*state, window);
    if (innerWidth < 1 || innerHeight < 1 || innerWidth > kMaxWindowSide ||
        innerHeight > kMaxWindowSide) {
        qt::ReportFailure("window size " + std::to_string(innerWidth) + "x" +
                          std::to_string(innerHeight) + " is outside 1.." +
                          std::to_string(kMaxWindowSide));
        return 0;
    }

    qt::SilentChange silent;
    auto* form = new qt::FormWindow(window);
    state->windows.Replace(window, std::make_unique<qt::WindowSlot>(form));
    form->setWindowTitle(qt::ToQString(title));
    form->setWindowIcon(ApplicationIcon());
    form->setFixedSize(innerWidth, innerHeight);
    form->move(x, y);
    // The window itself holds the focus until the user or the caller picks a gadget; without
    // this Qt would hand it to the first gadget when the window becomes active.
    form->setFocus(Qt::OtherFocusReason);
    qt::WatchWindow(window, form);
    form->show();
    KeepOnScreen(*form, QPoint(x, y));
    new PlacementOnceFramed(*form, QPoint(x, y));
    form->activateWindow();

    state->gadgetList.Open(qt::Container{window, form, false});
    qt::ReportFailure({});
    return qt::HandleOf(form);
}

Handle WindowHandle(int window) {
    return qt::HandleOf(qt::WindowWidget(window));
}

int BeginGadgetList(Handle windowHandle) {
    const qt::WidgetState* state = qt::Toolkit();
    if (state == nullptr || windowHandle == 0) {
        return 0;
    }
    for (const int window : state->windows.Numbers()) {
        if (WindowHandle(window) == windowHandle) {
            return 1;
        }
    }
    return 0;
}

void EndGadgetList() {
    if (qt::WidgetState* state = qt::Toolkit()) {
        state->gadgetList.Pop();
    }
}

}  // namespace quillmoor::toolkit
