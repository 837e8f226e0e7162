// The windows that hold controls: the top-level form, with its frame and icons at each density,
// and the pages of a tab panel. Both hand each control's notifications and colour requests to
// the control itself.

#include <algorithm>

#include "toolkit/win32/win32_platform.h"

namespace quillmoor::toolkit::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"QuillmoorForm";
constexpr wchar_t kPageClass[] = L"QuillmoorPage";
constexpr wchar_t kFocusProperty[] = L"Quillmoor.Focus";

FormListener* ListenerOf(HWND window) {
    return reinterpret_cast<FormListener*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// A form gives the focus back to the control that had it when the form was last left, as a
// dialog does; DefWindowProc would leave it on the form itself. True when it did.
bool KeepFocusAcrossActivation(HWND form, WPARAM activation) {
    if (LOWORD(activation) == WA_INACTIVE) {
        const HWND focused = GetFocus();
        if (focused != nullptr && IsChild(form, focused)) {
            SetPropW(form, kFocusProperty, focused);
        }
        return false;
    }
    const auto kept = static_cast<HWND>(RemovePropW(form, kFocusProperty));
    if (kept == nullptr || !IsWindow(kept) || !IsChild(form, kept)) {
        return false;
    }
    SetFocus(kept);
    return true;
}

// Common controls hear of new system colours only from the top-level window that holds them.
// The message carries nothing.
void ForwardColourChange(HWND form) {
    EnumChildWindows(
        form,
        [](HWND child, LPARAM) -> BOOL {
            SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
            return TRUE;
        },
        0);
}

// A page is a dialog window, which its default procedure paints in the tab control's texture; a
// form is a plain window.
template <bool kPage>
LRESULT CALLBACK ContainerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto defaultProc = kPage ? DefDlgProcW : DefWindowProcW;
    switch (message) {
        case WM_NCCREATE: {
            const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
            break;
        }
        case WM_COMMAND:
            if (Control* control = Control::Of(reinterpret_cast<HWND>(lParam))) {
                control->OnCommand(HIWORD(wParam));
                return 0;
            }
            break;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (Control* control = Control::Of(header->hwndFrom)) {
                return control->OnNotify(*header);
            }
            break;
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX: {
            const LRESULT defaultBrush = defaultProc(window, message, wParam, lParam);
            const Control* control = Control::Of(reinterpret_cast<HWND>(lParam));
            return control == nullptr
                       ? defaultBrush
                       : control->AnswerColourRequest(reinterpret_cast<HDC>(wParam), defaultBrush);
        }
        case WM_CLOSE:
            if (FormListener* listener = ListenerOf(window)) {
                listener->CloseRequested(window);
                return 0;
            }
            break;
        case WM_ACTIVATE:
            if (ListenerOf(window) != nullptr && KeepFocusAcrossActivation(window, wParam)) {
                return 0;
            }
            break;
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
            if (FormListener* listener = ListenerOf(window)) {
                if (message == WM_SYSCOLORCHANGE) {
                    ForwardColourChange(window);
                }
                listener->DesktopColoursChanged();
            }
            break;
        case WM_GETDPISCALEDSIZE:
            if (FormListener* listener = ListenerOf(window)) {
                return listener->OuterSizeForDpi(window, static_cast<int>(wParam),
                                                 *reinterpret_cast<SIZE*>(lParam))
                           ? TRUE
                           : FALSE;
            }
            break;
        case WM_DPICHANGED:
            if (FormListener* listener = ListenerOf(window)) {
                listener->DpiChanged(window, HIWORD(wParam),
                                     *reinterpret_cast<const RECT*>(lParam));
                return 0;
            }
            break;
        default:
            break;
    }
    return defaultProc(window, message, wParam, lParam);
}

// Registered once per process, on first use; the form carries the program's icon.
void RegisterClasses() {
    static const bool registered = [] {
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSEXW form{};
        form.cbSize = sizeof form;
        form.lpfnWndProc = ContainerProc<false>;
        form.hInstance = instance;
        form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        form.lpszClassName = kFormClass;
        RegisterClassExW(&form);
        WNDCLASSEXW page = form;
        page.lpfnWndProc = ContainerProc<true>;
        page.cbWndExtra = DLGWINDOWEXTRA;
        page.lpszClassName = kPageClass;
        RegisterClassExW(&page);
        return true;
    }();
    (void)registered;
}

// The pane of a themed tab control is not the dialog grey (Windows 10 and 11 paint it white); a
// page laid over it takes the pane's texture instead of painting itself in COLOR_BTNFACE.
// Windows paints a dialog's texture in its default dialog procedure. Nothing without
// uxtheme.dll; nothing visible without a visual style.
void ShowTabTexture(HWND page) {
    using EnableTextureCall = HRESULT(WINAPI*)(HWND, DWORD);
    static const auto enableTexture = LibraryCall<EnableTextureCall>(
        LoadSystemLibrary(L"uxtheme.dll"), "EnableThemeDialogTexture");
    if (enableTexture != nullptr) {
        enableTexture(page, ETDT_ENABLETAB);
    }
}

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

HWND CreateForm(const wchar_t* title, const RECT& frame, FormListener& listener) {
    RegisterClasses();
    return CreateWindowExW(kFormExStyle, kFormClass, title, kFormStyle, frame.left, frame.top,
                           frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                           GetModuleHandleW(nullptr), &listener);
}

HWND CreatePage(HWND panel) {
    RegisterClasses();
    const HWND page = CreateWindowExW(WS_EX_CONTROLPARENT, kPageClass, L"",
                                      WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_DISABLED, 0,
                                      0, 0, 0, panel, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (page != nullptr) {
        ShowTabTexture(page);
    }
    return page;
}

bool IsForm(HWND window) {
    return ClassName(window) == kFormClass;
}

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
