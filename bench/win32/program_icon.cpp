#include "bench/win32/program_icon.h"

namespace quillmoor::bench {

namespace {

constexpr int kProgramIcon = 1;

// GetSystemMetricsForDpi came with Windows 10; before, the system's density is the only one.
int MetricAt(int metric, int dpi) {
    const auto metricForDpi = reinterpret_cast<int(WINAPI*)(int, UINT)>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetSystemMetricsForDpi")));
    return metricForDpi != nullptr ? metricForDpi(metric, static_cast<UINT>(dpi))
                                   : GetSystemMetrics(metric);
}

void SetIcon(HWND window, WPARAM which, int widthMetric, int heightMetric, int dpi) {
    const HANDLE icon =
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIcon), IMAGE_ICON,
                   MetricAt(widthMetric, dpi), MetricAt(heightMetric, dpi), LR_DEFAULTCOLOR);
    SendMessageW(window, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
}

}  // namespace

void GiveProgramIcon(HWND window, int dpi) {
    SetIcon(window, ICON_BIG, SM_CXICON, SM_CYICON, dpi);
    SetIcon(window, ICON_SMALL, SM_CXSMICON, SM_CYSMICON, dpi);
}

}  // namespace quillmoor::bench
