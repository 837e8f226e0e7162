#include "toolkit/win32/input_messages.h"

#include "toolkit/toolkit.h"

namespace quillmoor::toolkit::win32 {

namespace {

bool IsHeld(int virtualKey) {
    return GetKeyState(virtualKey) < 0;
}

}  // namespace

bool IsUserInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK) || message == WM_CLOSE;
}

bool IsKeyPress(UINT message) {
    return message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
}

std::int32_t ShortcutOf(const MSG& keyPress) {
    auto shortcut = static_cast<std::int32_t>(keyPress.wParam);
    if (IsHeld(VK_SHIFT)) {
        shortcut |= kModShift;
    }
    if (IsHeld(VK_CONTROL)) {
        shortcut |= kModControl;
    }
    if (IsHeld(VK_MENU)) {
        shortcut |= kModAlt;
    }
    return shortcut;
}

}  // namespace quillmoor::toolkit::win32
