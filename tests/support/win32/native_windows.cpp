#include "tests/support/win32/native_windows.h"

#include <iterator>

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
    // In the order of Key.
    constexpr KeyStroke kStrokes[] = {
        {VK_RETURN, kNoModifier, false}, {VK_RETURN, kNoModifier, true},
        {VK_TAB, kNoModifier, false},    {VK_TAB, kShift, false},
        {VK_LEFT, kNoModifier, true},    {VK_RIGHT, kNoModifier, true},
        {VK_HOME, kNoModifier, true},    {VK_END, kNoModifier, true},
        {VK_DELETE, kNoModifier, true},  {VK_INSERT, kNoModifier, true},
        {VK_BACK, kNoModifier, false},   {VK_SPACE, kNoModifier, false},
        {'A', kControl, false},          {'C', kControl, false},
        {'X', kControl, false},          {'J', kNoModifier, false},
        {'N', kNoModifier, false}};
    static_assert(std::size(kStrokes) == static_cast<std::size_t>(Key::N) + 1);
    return kStrokes[static_cast<std::size_t>(key)];
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
