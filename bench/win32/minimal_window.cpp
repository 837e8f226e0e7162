// The yardstick for the Windows program's start-up: one empty window of the main form's client
// size, title, frame and icon, with nothing in it. It carries the program's resources for the
// icon, and so its manifest too.

#include "bench/win32/painted_probe.h"
#include "bench/win32/program_icon.h"

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int main() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"MinimalWindow";
    RegisterClassExW(&windowClass);
    constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    RECT outer{0, 0, 562, 391};
    AdjustWindowRectEx(&outer, kStyle, FALSE, 0);
    const HWND window = CreateWindowExW(
        0, windowClass.lpszClassName, L"Quillmoor V.0.5 by Tovik", kStyle, 552, 458,
        outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    const HDC screen = GetDC(nullptr);
    quillmoor::bench::GiveProgramIcon(window, GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    quillmoor::bench::ReportPainted(window);
    DestroyWindow(window);
    return 0;
}
