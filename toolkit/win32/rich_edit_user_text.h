#pragma once

// What the user copies out of the editor's rich edit control, kept exact. Wine's rich edit
// hands the clipboard a block longer than the copied text, whose tail of stray bytes Wine's X11
// clipboard passes on as text.

#include "toolkit/win32/windows_api.h"

namespace quillmoor::toolkit::win32 {

// From now on, until the window is destroyed, a copy (WM_COPY, Control+C, Control+Insert) or a
// cut (WM_CUT, Control+X, Shift+Delete) puts exactly the selected text on the clipboard. The
// control has no context menu to copy from.
void KeepUserTextExact(HWND editor);

}  // namespace quillmoor::toolkit::win32
