#pragma once

// Where every gadget's native window is made: the window class and styles of each kind, and the
// Control of that kind that answers for it.

#include <memory>

#include "toolkit/core/platform.h"
#include "toolkit/win32/control.h"
#include "toolkit/win32/scaled_font.h"
#include "toolkit/win32/windows_api.h"

namespace quillmoor::toolkit::win32 {

// A visible control in parent, placed for the density it is shown at and showing font; nullptr
// when its window cannot be made.
std::unique_ptr<Control> MakeControl(HWND parent, const GadgetRequest& request,
                                     Happenings& happenings, ScaledFont& font);

}  // namespace quillmoor::toolkit::win32
