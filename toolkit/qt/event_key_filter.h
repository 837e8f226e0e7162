#pragma once

// The window-wide keyboard shortcuts: an application-wide filter that sees each key press
// in a toolkit window before any widget does. A key bound in the window's shortcut table is
// taken: it posts a menu event, or moves the focus for the toolkit's own Tab entries, and
// never reaches the widget. Unbound keys pass on untouched.

#include <QApplication>
#include <QObject>

namespace quillmoor::toolkit::qt {

// Returns the filter, owned by the application.
QObject* InstallKeyFilter(QApplication& application);

}  // namespace quillmoor::toolkit::qt
