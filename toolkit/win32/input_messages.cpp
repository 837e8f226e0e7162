#include "toolkit/win32/input_messages.h"

#include <cstdint>

#include "toolkit/win32/containers.h"
#include "toolkit/win32/control.h"

namespace quillmoor::toolkit::win32 {

namespace {

bool IsHeld(int virtualKey) {
    return GetKeyState(virtualKey) < 0;
}

bool IsUserInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK) || message == WM_CLOSE;
}

bool IsKeyPress(UINT message) {
    return message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
}

// The virtual-key code plus the toolkit's modifier bits. The keypad's Enter is VK_RETURN with
// the extended-key flag, and so the same code as the main Return key.
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

// The control or form that a message to window concerns, 0 when none of the toolkit's.
NativeId ToolkitObjectOf(HWND window) {
    for (; window != nullptr; window = GetParent(window)) {
        if (ControlOf(window) != nullptr || IsForm(window)) {
            return reinterpret_cast<NativeId>(window);
        }
    }
    return 0;
}

void Deliver(MSG& message, Happenings& happenings) {
    if (IsUserInput(message.message)) {
        happenings.InputArrived();
    }
    if (IsKeyPress(message.message)) {
        const NativeId target = ToolkitObjectOf(message.hwnd);
        if (target != 0 && happenings.KeyPressed(target, ShortcutOf(message))) {
            return;
        }
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}  // namespace

void DeliverPendingMessages(Happenings& happenings) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        Deliver(message, happenings);
    }
}

}  // namespace quillmoor::toolkit::win32
