#pragma once

// The outside of a form: its size around the client area at each density, its place on the
// screen and its icons.

#include "toolkit/core/platform.h"
#include "toolkit/win32/windows_api.h"

namespace quillmoor::toolkit::win32 {

// Where a form laid out as layout (its client size, and its outer corner) first goes: at the
// density of the monitor at that place, moved as little as needed to lie on its work area.
RECT FirstFrameOf(Placement layout);
// The outer size around layout's client size at dpi.
SIZE OuterSizeAt(Placement layout, int dpi);
// Puts the form's outer corner at corner and makes its client area layout's size at dpi.
void FrameForm(HWND form, Placement layout, POINT corner, int dpi);
// The program's icon, resource 1 of the executable, in the sizes of the caption and of the
// task switcher at dpi, in place of the ones it had; nothing when the executable has none.
void GiveProgramIcon(HWND form, int dpi);
// Takes the icons back, before the form is destroyed.
void TakeProgramIcon(HWND form);

}  // namespace quillmoor::toolkit::win32
