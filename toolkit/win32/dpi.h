#pragma once

// Forms are laid out in pixels of a 96-dpi screen; each window shows them at its own monitor's
// density. The per-monitor calls arrived with Windows 8.1 and 10 and are looked up at run time,
// so that the program still starts where they are missing and then stays at the system's
// density.

#include "toolkit/win32/windows_api.h"

namespace quillmoor::toolkit::win32 {

inline constexpr int kLayoutDpi = 96;

// The density of the primary monitor when the program started, which Windows scales the windows
// of programs unaware of density to.
int SystemDpi();
// The density the window is shown at; the system's when Windows cannot say per window.
int DpiOfWindow(HWND window);
// The density of the monitor that holds the most of the rectangle, or the nearest one.
int DpiOfMonitorAt(const RECT& place);
// A system metric (GetSystemMetrics) at the given density.
int SystemMetricAt(int metric, int dpi);
// The outer rectangle around a client area of the given size, for the window's style at dpi.
RECT OuterRectOf(RECT client, DWORD style, DWORD exStyle, int dpi);

inline int ScaledToDpi(int layoutPixels, int dpi) {
    return MulDiv(layoutPixels, dpi, kLayoutDpi);
}

}  // namespace quillmoor::toolkit::win32
