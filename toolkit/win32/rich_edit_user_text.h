#pragma once

// What the user types into the editor's rich edit control and copies out of it, kept exact.
// The control's window classes ("RichEdit20A", "RichEdit") take characters in Windows' ANSI code
// page, which outside Western Europe lacks most of the program's letters: typed into a Windows
// of code page 1251 or 932, "ö" would arrive as "?". And Wine's rich edit hands the clipboard
// a block longer than the copied text, whose tail of stray bytes Wine's X11 clipboard passes
// on as text.

#include "toolkit/win32/windows_api.h"

namespace quillmoor::toolkit::win32 {

// From now on, until the window is destroyed: characters typed beyond ASCII reach the control
// as UTF-16, and a copy (WM_COPY, Control+C, Control+Insert) or a cut (WM_CUT, Control+X,
// Shift+Delete) puts exactly the selected text on the clipboard. The control has no context
// menu to copy from.
void KeepUserTextExact(HWND editor);

}  // namespace quillmoor::toolkit::win32
