#pragma once

// Tab and Shift+Tab: the focus walks the window's visible, enabled gadgets that take the
// focus, in creation order. A tab panel is one stop, focused on its tab row.

#include "toolkit/core/focus_order.h"

namespace quillmoor::toolkit::qt {

// Gives the focus to the next or previous candidate of the window; a text field that gains
// or loses the focus reports it as usual.
void MoveFocus(int window, FocusDirection direction);

}  // namespace quillmoor::toolkit::qt
