#pragma once

// The application-wide filter that sees every event before any widget does. It tells the core
// of each user input as it arrives, and offers every key press to the core first: a key the
// core takes never reaches the widget. Other keys pass on untouched.

#include <QApplication>

#include "toolkit/core/platform.h"

namespace quillmoor::toolkit::qt {

// The filter is owned by the application; deleting it removes it.
QObject* InstallInputFilter(QApplication& application, Happenings& happenings);

}  // namespace quillmoor::toolkit::qt
