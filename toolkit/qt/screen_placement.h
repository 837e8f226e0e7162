#pragma once

#include <QPoint>
#include <QWidget>

namespace quillmoor::toolkit::qt {

// Puts a window that is about to be shown at the requested outer top-left corner. Where the
// desktop places windows itself (Wayland), the window is left where the desktop puts it.
void PlaceWindow(QWidget& window, QPoint requested);

// A window placed for a large screen may lie partly off a small one; it is moved just far
// enough to be wholly visible, its top-left corner winning when it is larger than the screen.
// Called once the window is shown: the placement is checked now, and again once the window
// manager's frame is known. Where the desktop places windows itself, it keeps them on the
// screen, and nothing is done here.
void KeepOnScreen(QWidget& window, QPoint requested);

}  // namespace quillmoor::toolkit::qt
