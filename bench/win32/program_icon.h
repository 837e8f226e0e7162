#pragma once

// The program's window icon for the Windows start-up yardsticks, given as the program gives it.

#include "toolkit/win32/windows_api.h"

namespace quillmoor::bench {

// The icon of the program's resources, made for the density dpi at the sizes Windows uses for
// the large and the small icon there, not shared.
void GiveProgramIcon(HWND window, int dpi);

}  // namespace quillmoor::bench
