#pragma once

// What the parts of the form driver over Win32 share: the native windows behind the toolkit's
// numbers, the toolkit's own message loop that handles the input they post, and key strokes
// as the keyboard driver posts them.

#include <string>
#include <string_view>

#include "tests/support/form_driver.h"
#include "toolkit/win32/windows_api.h"

namespace quillmoor::test {

HWND GadgetWindow(int gadget);
HWND FormWindow(int window);
// What the user's input would be handled by: the toolkit's loop.
void HandlePendingInput();

std::string Utf8(std::wstring_view text);
bool IsClass(HWND window, const wchar_t* name);
// Either version of the rich edit control.
bool IsRichEdit(HWND window);

struct KeyStroke {
    UINT virtualKey;
    Modifiers implied;
    bool extended;
};

KeyStroke StrokeOf(Key key);
// Down and up, as the keyboard driver posts them; TranslateMessage makes the characters.
void PostKeyStroke(HWND target, UINT virtualKey, Modifiers modifiers, bool extended);

}  // namespace quillmoor::test
