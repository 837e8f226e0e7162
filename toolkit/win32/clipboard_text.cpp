#include "toolkit/win32/clipboard_text.h"

#include <algorithm>
#include <string>

#include "toolkit/core/utf16_text.h"

namespace quillmoor::toolkit::win32 {

namespace {

// The locale that says the bytes of CF_TEXT are Windows-1252; without it Windows would take
// them for the code page of the user's input language.
constexpr LCID kWindows1252Locale = MAKELCID(MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), SORT_DEFAULT);

template <typename Unit>
HGLOBAL BlockOf(std::basic_string_view<Unit> text) {
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(Unit));
    if (block == nullptr) {
        return nullptr;
    }
    auto* units = static_cast<Unit*>(GlobalLock(block));
    std::copy(text.begin(), text.end(), units);
    units[text.size()] = Unit{};
    GlobalUnlock(block);
    return block;
}

HGLOBAL BlockOf(LCID locale) {
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof locale);
    if (block != nullptr) {
        *static_cast<LCID*>(GlobalLock(block)) = locale;
        GlobalUnlock(block);
    }
    return block;
}

// The clipboard owns the block once it takes it.
bool Place(UINT format, HGLOBAL block) {
    if (block == nullptr) {
        return false;
    }
    if (SetClipboardData(format, block) == nullptr) {
        GlobalFree(block);
        return false;
    }
    return true;
}

}  // namespace

bool PutTextOnClipboard(HWND owner, std::wstring_view text) {
    if (!OpenClipboard(owner)) {
        return false;
    }
    EmptyClipboard();
    const std::string windows1252 = Windows1252OfUtf16(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
    const bool placed = Place(CF_UNICODETEXT, BlockOf(text)) &&
                        Place(CF_TEXT, BlockOf(std::string_view(windows1252))) &&
                        Place(CF_LOCALE, BlockOf(kWindows1252Locale));
    CloseClipboard();
    return placed;
}

}  // namespace quillmoor::toolkit::win32
