#pragma once

// The windows that hold controls: the top-level form and the pages of a tab panel. Both hand
// each control's notifications and colour requests to the control itself.

#include "toolkit/win32/windows_api.h"

namespace quillmoor::toolkit::win32 {

// What a form says about itself as a whole.
class FormListener {
public:
    virtual void CloseRequested(HWND form) = 0;
    // Windows asks, before the form moves to a monitor of another density, what outer size it
    // will take there; false leaves Windows' own suggestion.
    virtual bool OuterSizeForDpi(HWND form, int dpi, SIZE& size) = 0;
    // The form moved to a monitor of another density; suggested is where Windows would put it.
    virtual void DpiChanged(HWND form, int dpi, const RECT& suggested) = 0;
    // The system's colours or settings changed, high contrast among them.
    virtual void DesktopColoursChanged() = 0;

protected:
    ~FormListener() = default;
};

inline constexpr DWORD kFormStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
inline constexpr DWORD kFormExStyle = 0;

// Hidden, in the outer rectangle frame; the caller shows it.
HWND CreateForm(const wchar_t* title, const RECT& frame, FormListener& listener);
// Hidden and disabled, over the tab panel's display area once shown.
HWND CreatePage(HWND panel);
bool IsForm(HWND window);

}  // namespace quillmoor::toolkit::win32
