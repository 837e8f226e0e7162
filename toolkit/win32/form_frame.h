#pragma once

// The outside of a form: its size around the client area, its place on the screen and its
// icons.

#include "toolkit/core/platform.h"
#include "toolkit/win32/windows_api.h"

namespace quillmoor::toolkit::win32 {

// Sizes the form so that its client area is placement's size at the form's density, and puts
// its outer corner at placement's position, moved as little as needed to lie on the monitor's
// work area.
void FrameForm(HWND form, Placement placement);
// The program's icon, resource 1 of the executable, in the sizes of the caption and of the
// task switcher; nothing when the executable has none.
void GiveProgramIcon(HWND form);

}  // namespace quillmoor::toolkit::win32
