#pragma once

// The editor: a plain-text rich edit control, from the system's riched20.dll where Windows has
// it and from the older riched32.dll where not. Its lines end with a lone CR inside.

#include <initializer_list>
#include <string>
#include <string_view>

#include "toolkit/win32/windows_api.h"

namespace quillmoor::toolkit::win32 {

// The window classes tried, newest first, each with the system library that registers it.
struct RichEditClass {
    const wchar_t* library;
    const wchar_t* className;
};
inline constexpr RichEditClass kRichEditClasses[] = {
    {L"riched20.dll", L"RichEdit20A"},
    {L"riched32.dll", L"RichEdit"},
};

// nullptr when no class of the list can be loaded and made. What the user types and copies
// stays exact (rich_edit_user_text.h).
HWND CreateRichEdit(HWND parent, std::initializer_list<RichEditClass> classes);

// Texts with '\n' line ends, as the toolkit's core gives and takes them.
void SetRichEditText(HWND editor, std::wstring_view text);
std::wstring RichEditText(HWND editor);
// The selected text with its lines ended by CR LF, as the clipboard holds lines.
std::wstring RichEditSelection(HWND editor);
// Replaces the selection with what the user typed, given as UTF-16 whatever code page the
// control's window class takes characters in, and puts the caret after it; false when the
// control cannot take text so.
bool TypeIntoRichEdit(HWND editor, std::wstring_view typed);

}  // namespace quillmoor::toolkit::win32
