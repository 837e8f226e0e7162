#include "toolkit/qt/form_window.h"

#include <QCloseEvent>

#include "toolkit/qt/event_hooks.h"

namespace quillmoor::toolkit::qt {

FormWindow::FormWindow(int number)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      number_(number) {}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    PostWindowEvent(EventKind::Close, number_);
}

}  // namespace quillmoor::toolkit::qt
