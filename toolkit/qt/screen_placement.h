#pragma once

#include <QPoint>
#include <QWidget>

namespace quillmoor::toolkit::qt {

// A window placed for a large screen may lie partly off a small one; it is moved just far
// enough to be wholly visible, its top-left corner winning when it is larger than the screen.
// Called once the window is shown: the placement is checked now, and again once the window
// manager's frame is known.
void KeepOnScreen(QWidget& window, QPoint requested);

}  // namespace quillmoor::toolkit::qt
