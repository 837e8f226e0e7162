#include "toolkit/win32/form_frame.h"

#include <algorithm>

#include "toolkit/win32/containers.h"
#include "toolkit/win32/dpi.h"

namespace quillmoor::toolkit::win32 {

namespace {

constexpr int kProgramIconResource = 1;

// The far edge first, so that a form larger than the work area shows its caption.
int KeptWithin(int start, int length, LONG areaStart, LONG areaEnd) {
    return std::max(std::min(start, static_cast<int>(areaEnd) - length),
                    static_cast<int>(areaStart));
}

SIZE ClientSizeAt(Placement layout, int dpi) {
    return {ScaledToDpi(layout.width, dpi), ScaledToDpi(layout.height, dpi)};
}

// Made for the form's density, not shared: a shared icon may stay the size it was first loaded
// at (Wine's does).
void SetIcon(HWND form, WPARAM which, int width, int height) {
    const HANDLE icon =
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIconResource), IMAGE_ICON,
                   width, height, LR_DEFAULTCOLOR);
    if (icon == nullptr) {
        return;
    }
    if (const auto replaced = reinterpret_cast<HICON>(
            SendMessageW(form, WM_SETICON, which, reinterpret_cast<LPARAM>(icon)))) {
        DestroyIcon(replaced);
    }
}

}  // namespace

RECT FirstFrameOf(Placement layout) {
    const RECT atLayoutSize{layout.x, layout.y, layout.x + layout.width, layout.y + layout.height};
    const SIZE outer = OuterSizeAt(layout, DpiOfMonitorAt(atLayoutSize));
    const RECT requested{layout.x, layout.y, layout.x + outer.cx, layout.y + outer.cy};
    int x = layout.x;
    int y = layout.y;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromRect(&requested, MONITOR_DEFAULTTONEAREST), &monitor)) {
        x = KeptWithin(x, outer.cx, monitor.rcWork.left, monitor.rcWork.right);
        y = KeptWithin(y, outer.cy, monitor.rcWork.top, monitor.rcWork.bottom);
    }
    return {x, y, x + outer.cx, y + outer.cy};
}

SIZE OuterSizeAt(Placement layout, int dpi) {
    const SIZE client = ClientSizeAt(layout, dpi);
    const RECT outer = OuterRectOf({0, 0, client.cx, client.cy}, kFormStyle, kFormExStyle, dpi);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

// Windows may draw a frame other than the one it describes for dpi (Wine draws every frame at
// the system's density), so the client area is measured, and the frame grown or shrunk by what
// it lacks.
void FrameForm(HWND form, Placement layout, POINT corner, int dpi) {
    const SIZE client = ClientSizeAt(layout, dpi);
    SIZE outer = OuterSizeAt(layout, dpi);
    SetWindowPos(form, nullptr, corner.x, corner.y, outer.cx, outer.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    RECT shown{};
    GetClientRect(form, &shown);
    if (shown.right != client.cx || shown.bottom != client.cy) {
        outer.cx += client.cx - shown.right;
        outer.cy += client.cy - shown.bottom;
        SetWindowPos(form, nullptr, 0, 0, outer.cx, outer.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void GiveProgramIcon(HWND form, int dpi) {
    SetIcon(form, ICON_BIG, SystemMetricAt(SM_CXICON, dpi), SystemMetricAt(SM_CYICON, dpi));
    SetIcon(form, ICON_SMALL, SystemMetricAt(SM_CXSMICON, dpi), SystemMetricAt(SM_CYSMICON, dpi));
}

void TakeProgramIcon(HWND form) {
    for (const WPARAM which : {ICON_BIG, ICON_SMALL}) {
        if (const auto icon = reinterpret_cast<HICON>(SendMessageW(form, WM_SETICON, which, 0))) {
            DestroyIcon(icon);
        }
    }
}

}  // namespace quillmoor::toolkit::win32
