#include "toolkit/qt/form_window.h"

#include <QAccessibleWidget>
#include <QCloseEvent>

#include "toolkit/qt/native_objects.h"

namespace quillmoor::toolkit::qt {

namespace {

QAccessibleInterface* AccessibleFormWindow(const QString& /*className*/, QObject* object) {
    auto* form = qobject_cast<FormWindow*>(object);
    return form == nullptr ? nullptr : new QAccessibleWidget(form, QAccessible::Window);
}

}  // namespace

FormWindow::FormWindow(Happenings& happenings)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      happenings_(happenings) {
    MarkToolkitObject(*this);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    happenings_.CloseRequested(IdOf(this));
}

bool FormWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::ThemeChange) {
        happenings_.DesktopColoursChanged();
    }
    return handled;
}

void ExposeFormWindowsAsWindows() {
    QAccessible::installFactory(AccessibleFormWindow);
}

}  // namespace quillmoor::toolkit::qt
