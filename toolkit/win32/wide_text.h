#pragma once

// Texts between the core's UTF-16 and Windows' wide-character calls. Windows ends a text at its
// first NUL, so a NUL travels as the visible symbol for it, U+2400, and comes back as NUL.

#include <string>
#include <string_view>

namespace quillmoor::toolkit::win32 {

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

}  // namespace quillmoor::toolkit::win32
