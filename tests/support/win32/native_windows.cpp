#include "tests/support/win32/native_windows.h"

#include "toolkit/core/running_core.h"
#include "toolkit/win32/win32_platform.h"

namespace quillmoor::test {

HWND GadgetWindow(int gadget) {
    toolkit::Core* core = toolkit::RunningCore();
    return core == nullptr ? nullptr : reinterpret_cast<HWND>(core->GadgetNative(gadget));
}

HWND FormWindow(int window) {
    return reinterpret_cast<HWND>(toolkit::WindowHandle(window));
}

void HandlePendingInput() {
    if (toolkit::Core* core = toolkit::RunningCore()) {
        toolkit::win32::DeliverPendingMessages(*core);
    }
}

std::string Utf8(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}

bool IsClass(HWND window, const wchar_t* name) {
    return lstrcmpiW(toolkit::win32::ClassName(window).c_str(), name) == 0;
}

bool IsRichEdit(HWND window) {
    return toolkit::win32::ClassName(window).starts_with(L"RichEdit");
}

KeyStroke StrokeOf(Key key) {
    switch (key) {
        case Key::Return:
            return {VK_RETURN, kNoModifier, false};
        case Key::KeypadEnter:
            return {VK_RETURN, kNoModifier, true};
        case Key::Tab:
            return {VK_TAB, kNoModifier, false};
        case Key::Backtab:
            return {VK_TAB, kShift, false};
        case Key::Left:
            return {VK_LEFT, kNoModifier, true};
        case Key::Right:
            return {VK_RIGHT, kNoModifier, true};
        case Key::Home:
            return {VK_HOME, kNoModifier, true};
        case Key::End:
            return {VK_END, kNoModifier, true};
        case Key::Delete:
            return {VK_DELETE, kNoModifier, true};
        case Key::Insert:
            return {VK_INSERT, kNoModifier, true};
        case Key::Backspace:
            return {VK_BACK, kNoModifier, false};
        case Key::Space:
            return {VK_SPACE, kNoModifier, false};
        case Key::SelectAll:
            return {'A', kControl, false};
        case Key::Copy:
            return {'C', kControl, false};
        case Key::Cut:
            return {'X', kControl, false};
        case Key::J:
            return {'J', kNoModifier, false};
        case Key::N:
            return {'N', kNoModifier, false};
    }
    return {0, kNoModifier, false};
}

void PostKeyStroke(HWND target, UINT virtualKey, Modifiers modifiers, bool extended) {
    const bool alt = (modifiers & kAlt) != 0;
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    const LPARAM flags = 1 | scan | (extended ? 1 << 24 : 0) | (alt ? 1 << 29 : 0);
    PostMessageW(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, flags);
    PostMessageW(target, alt ? WM_SYSKEYUP : WM_KEYUP, virtualKey,
                 flags | static_cast<LPARAM>(3u << 30));
}

}  // namespace quillmoor::test
