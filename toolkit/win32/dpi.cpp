#include "toolkit/win32/dpi.h"

#include "toolkit/win32/system_library.h"

namespace quillmoor::toolkit::win32 {

namespace {

using DpiOfWindowCall = UINT(WINAPI*)(HWND);
using DpiOfMonitorCall = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using MetricForDpiCall = int(WINAPI*)(int, UINT);
using AdjustForDpiCall = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

// MDT_EFFECTIVE_DPI of shellscalingapi.h: the density the monitor's windows are scaled to.
constexpr int kEffectiveDpi = 0;

template <typename Call>
Call User32Call(const char* name) {
    return LibraryCall<Call>(GetModuleHandleW(L"user32.dll"), name);
}

}  // namespace

int SystemDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kLayoutDpi;
}

int DpiOfWindow(HWND window) {
    static const auto dpiOfWindow = User32Call<DpiOfWindowCall>("GetDpiForWindow");
    if (dpiOfWindow != nullptr) {
        if (const UINT dpi = dpiOfWindow(window); dpi != 0) {
            return static_cast<int>(dpi);
        }
    }
    return SystemDpi();
}

int DpiOfMonitorAt(const RECT& place) {
    static const auto dpiOfMonitor =
        LibraryCall<DpiOfMonitorCall>(LoadSystemLibrary(L"shcore.dll"), "GetDpiForMonitor");
    UINT dpiX = 0;
    UINT dpiY = 0;
    if (dpiOfMonitor != nullptr &&
        dpiOfMonitor(MonitorFromRect(&place, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &dpiX,
                     &dpiY) == S_OK &&
        dpiY != 0) {
        return static_cast<int>(dpiY);
    }
    return SystemDpi();
}

int SystemMetricAt(int metric, int dpi) {
    static const auto metricForDpi = User32Call<MetricForDpiCall>("GetSystemMetricsForDpi");
    return metricForDpi != nullptr ? metricForDpi(metric, static_cast<UINT>(dpi))
                                   : GetSystemMetrics(metric);
}

RECT OuterRectOf(RECT client, DWORD style, DWORD exStyle, int dpi) {
    static const auto adjustForDpi = User32Call<AdjustForDpiCall>("AdjustWindowRectExForDpi");
    if (adjustForDpi != nullptr) {
        adjustForDpi(&client, style, FALSE, exStyle, static_cast<UINT>(dpi));
    } else {
        AdjustWindowRectEx(&client, style, FALSE, exStyle);
    }
    return client;
}

}  // namespace quillmoor::toolkit::win32
