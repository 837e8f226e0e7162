#include "toolkit/win32/dpi.h"

namespace quillmoor::toolkit::win32 {

namespace {

using DpiOfWindowCall = UINT(WINAPI*)(HWND);
using AdjustForDpiCall = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

template <typename Call>
Call User32Call(const char* name) {
    static const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

int SystemDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kLayoutDpi;
}

}  // namespace

int DpiOfWindow(HWND window) {
    static const auto dpiOfWindow = User32Call<DpiOfWindowCall>("GetDpiForWindow");
    if (dpiOfWindow != nullptr) {
        if (const UINT dpi = dpiOfWindow(window); dpi != 0) {
            return static_cast<int>(dpi);
        }
    }
    return SystemDpi();
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
