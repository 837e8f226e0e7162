#include "toolkit/win32/containers.h"

#include "toolkit/win32/control.h"
#include "toolkit/win32/tab_texture.h"
#include "toolkit/win32/window_text.h"

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
void ForwardToChildren(HWND form, UINT message, WPARAM wParam, LPARAM lParam) {
    struct Forwarded {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } forwarded{message, wParam, lParam};
    EnumChildWindows(
        form,
        [](HWND child, LPARAM data) -> BOOL {
            const auto* what = reinterpret_cast<const Forwarded*>(data);
            SendMessageW(child, what->message, what->wParam, what->lParam);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&forwarded));
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
            if (Control* control = ControlOf(reinterpret_cast<HWND>(lParam))) {
                control->OnCommand(HIWORD(wParam));
                return 0;
            }
            break;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (Control* control = ControlOf(header->hwndFrom)) {
                return control->OnNotify(*header);
            }
            break;
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX: {
            const LRESULT defaultBrush = defaultProc(window, message, wParam, lParam);
            const Control* control = ControlOf(reinterpret_cast<HWND>(lParam));
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
                    ForwardToChildren(window, message, wParam, lParam);
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

}  // namespace quillmoor::toolkit::win32
