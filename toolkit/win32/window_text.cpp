#include "toolkit/win32/window_text.h"

#include <array>

namespace quillmoor::toolkit::win32 {

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// A class name has at most 256 characters.
std::wstring ClassName(HWND window) {
    std::array<wchar_t, 257> name{};
    return {name.data(), static_cast<std::size_t>(
                             GetClassNameW(window, name.data(), static_cast<int>(name.size())))};
}

bool IsReadOnly(HWND control) {
    return (GetWindowLongW(control, GWL_STYLE) & ES_READONLY) != 0;
}

}  // namespace quillmoor::toolkit::win32
