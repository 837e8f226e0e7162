#pragma once

// Texts between the toolkit and Windows, and what Windows tells about any window: its text, the
// name of its class, and whether an edit or rich edit control takes typing. For the
// realisation, and for the tests and benchmarks that read its windows back.

#include <array>
#include <string>
#include <string_view>

#include "toolkit/win32/windows_api.h"

namespace quillmoor::toolkit::win32 {

// Windows ends a text at its first NUL, so a NUL travels as the visible symbol for it, U+2400,
// and comes back as NUL.
inline constexpr wchar_t kNulSymbol = 0x2400;

inline std::wstring NativeText(std::u16string_view text) {
    std::wstring native(text.size(), L'\0');
    for (std::size_t index = 0; index < text.size(); ++index) {
        native[index] = text[index] == u'\0' ? kNulSymbol : static_cast<wchar_t>(text[index]);
    }
    return native;
}

inline std::u16string ToolkitText(std::wstring_view native) {
    std::u16string text(native.size(), u'\0');
    for (std::size_t index = 0; index < native.size(); ++index) {
        text[index] = native[index] == kNulSymbol ? u'\0' : static_cast<char16_t>(native[index]);
    }
    return text;
}

// The window's whole text; "" for none.
inline std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The name its class was registered under, as Windows spells it; at most 256 characters.
inline std::wstring ClassName(HWND window) {
    std::array<wchar_t, 257> name{};
    return {name.data(), static_cast<std::size_t>(
                             GetClassNameW(window, name.data(), static_cast<int>(name.size())))};
}

// Whether an edit or rich edit control has the style ES_READONLY.
inline bool IsReadOnly(HWND control) {
    return (GetWindowLongW(control, GWL_STYLE) & ES_READONLY) != 0;
}

}  // namespace quillmoor::toolkit::win32
