#pragma once

// The main form as the program builds it, for tests that read its native windows back.

#include <string>

#include "tests/app/main_form_fixture.h"
#include "tests/support/win32/native_windows.h"
#include "toolkit/win32/window_text.h"
#include "toolkit/win32/windows_api.h"

namespace quillmoor::toolkit::win32 {

inline HWND MainWindow() {
    return test::FormWindow(app::kMainWindow);
}

// A text block of the clipboard as it was allocated, to its last unit: a reader that takes the
// whole block (as Wine's X11 clipboard does) sees whatever lies after the terminating NUL.
template <typename Unit>
std::basic_string<Unit> ClipboardBlock(UINT format) {
    std::basic_string<Unit> block;
    if (!OpenClipboard(nullptr)) {
        return block;
    }
    if (const HANDLE data = GetClipboardData(format)) {
        const auto* units = static_cast<const Unit*>(GlobalLock(data));
        block.assign(units, GlobalSize(data) / sizeof(Unit));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return block;
}

// The main form, shown and active, as the behaviour suites of the form have it.
using Win32FormTest = app::testing::MainFormTest;

}  // namespace quillmoor::toolkit::win32
