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

void SetIcon(HWND form, WPARAM which, int widthMetric, int heightMetric) {
    const HANDLE icon = LoadImageW(
        GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIconResource), IMAGE_ICON,
        GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), LR_DEFAULTCOLOR | LR_SHARED);
    if (icon != nullptr) {
        SendMessageW(form, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
    }
}

}  // namespace

void FrameForm(HWND form, Placement placement) {
    const int dpi = DpiOfWindow(form);
    const RECT client{0, 0, ScaledToDpi(placement.width, dpi), ScaledToDpi(placement.height, dpi)};
    const RECT outer = OuterRectOf(client, kFormStyle, kFormExStyle, dpi);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    const RECT requested{placement.x, placement.y, placement.x + width, placement.y + height};
    int x = placement.x;
    int y = placement.y;
    if (GetMonitorInfoW(MonitorFromRect(&requested, MONITOR_DEFAULTTONEAREST), &monitor)) {
        x = KeptWithin(x, width, monitor.rcWork.left, monitor.rcWork.right);
        y = KeptWithin(y, height, monitor.rcWork.top, monitor.rcWork.bottom);
    }
    SetWindowPos(form, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void GiveProgramIcon(HWND form) {
    SetIcon(form, ICON_BIG, SM_CXICON, SM_CYICON);
    SetIcon(form, ICON_SMALL, SM_CXSMICON, SM_CYSMICON);
}

}  // namespace quillmoor::toolkit::win32
