#include "toolkit/qt/form_window.h"

#include <QCloseEvent>

#include "toolkit/qt/native_objects.h"

namespace quillmoor::toolkit::qt {

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

}  // namespace quillmoor::toolkit::qt
