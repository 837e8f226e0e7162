#pragma once

// The pane of a themed tab control is not the dialog grey (Windows 10 and 11 paint it white); a
// page laid over it takes the pane's texture instead of painting itself in COLOR_BTNFACE.

#include "toolkit/win32/windows_api.h"

namespace quillmoor::toolkit::win32 {

// For a page that is a dialog window: Windows paints a dialog's texture in its default dialog
// procedure. Nothing without uxtheme.dll; nothing visible without a visual style.
void ShowTabTexture(HWND page);

}  // namespace quillmoor::toolkit::win32
