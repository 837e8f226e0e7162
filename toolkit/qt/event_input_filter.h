#pragma once

// The application-wide filter that sees every event before any widget does. It numbers the
// platform's inputs, so that the queue serves them in the order they came, and it takes the
// window-wide keyboard shortcuts: a key bound in the window's shortcut table posts a menu
// event, or moves the focus for the toolkit's own Tab entries, and never reaches the widget.
// Unbound keys pass on untouched.

#include <QApplication>
#include <QObject>

namespace quillmoor::toolkit::qt {

// Returns the filter, owned by the application.
QObject* InstallInputFilter(QApplication& application);

}  // namespace quillmoor::toolkit::qt
