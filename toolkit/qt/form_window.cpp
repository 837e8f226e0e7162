#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "toolkit/qt/qt_platform.h"

namespace quillmoor::toolkit::qt {

namespace {

// A fixed client area. Close box, window menu and the platform's close key alike: the close is
// refused and reported instead. A new application palette or platform theme: the desktop's
// colours changed.
class FormWindow final : public QWidget {
public:
    explicit FormWindow(Happenings& happenings)
        : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
          happenings_(happenings) {
        MarkToolkitObject(*this);
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        happenings_.CloseRequested(IdOf(this));
    }

    bool event(QEvent* event) override {
        const bool handled = QWidget::event(event);
        if (event->type() == QEvent::ApplicationPaletteChange ||
            event->type() == QEvent::ThemeChange) {
            happenings_.DesktopColoursChanged();
        }
        return handled;
    }

private:
    Happenings& happenings_;
};

// A plain top-level widget is only a "client" to assistive technology, which a screen reader
// on Linux shows as a filler, not as a frame.
QAccessibleInterface* AccessibleFormWindow(const QString& /*className*/, QObject* object) {
    auto* form = dynamic_cast<FormWindow*>(object);
    return form == nullptr ? nullptr : new QAccessibleWidget(form, QAccessible::Window);
}

// Read as PNG outright: guessing the format would load every image-format plugin, which
// costs the window a noticeable part of its start-up.
QIcon ProgramIcon(const std::string& resource) {
    QIcon icon;
    if (resource.empty()) {
        return icon;
    }
    const QString stem = QStringLiteral(":/") + QString::fromStdString(resource);
    for (const char* size : {"16", "32", "48", "256"}) {
        const QString path = QStringLiteral("%1-%2.png").arg(stem, QLatin1String(size));
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

// A Wayland client has no say in where its windows go: the compositor places them, and keeps
// them on the screen; Qt would only remember a position it can never apply.
bool ProgramPlacesWindows() {
    return !QGuiApplication::platformName().startsWith(u"wayland");
}

// A window placed for a large screen may lie partly off a small one; it is moved just far
// enough to be wholly visible, its top-left corner winning when it is larger than the screen.
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

QWidget* OpenFormWindow(Happenings& happenings, Placement outer, const QString& title,
                        const std::string& iconResource) {
    auto* form = new FormWindow(happenings);
    form->setWindowTitle(title);
    form->setWindowIcon(ProgramIcon(iconResource));
    form->setFixedSize(outer.width, outer.height);
    const QPoint requested(outer.x, outer.y);
    if (ProgramPlacesWindows()) {
        form->move(requested);
    }
    // The window itself holds the focus until the user or the caller picks a gadget; without
    // this Qt would hand it to the first gadget when the window becomes active.
    form->setFocus(Qt::OtherFocusReason);
    form->show();
    if (ProgramPlacesWindows()) {
        MoveOntoScreen(*form, requested);
        new PlacementOnceFramed(*form, requested);
    }
    form->activateWindow();
    return form;
}

void ExposeFormWindowsAsWindows() {
    QAccessible::installFactory(AccessibleFormWindow);
}

}  // namespace quillmoor::toolkit::qt
