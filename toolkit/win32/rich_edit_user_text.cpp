#include "toolkit/win32/rich_edit_user_text.h"

#include <string>

#include "toolkit/win32/clipboard_text.h"
#include "toolkit/win32/rich_edit.h"
#include "toolkit/win32/window_text.h"

namespace quillmoor::toolkit::win32 {

namespace {

// Where the window keeps its UserText.
constexpr wchar_t kUserTextProperty[] = L"Quillmoor.UserText";

struct UserText {
    WNDPROC control = nullptr;  // the control's own window procedure
    // The first half of a character beyond 16 bits, until its second half comes.
    wchar_t highSurrogate = 0;
};

enum class ClipboardKey { None, Copy, Cut };

bool IsHeld(int virtualKey) {
    return GetKeyState(virtualKey) < 0;
}

// With Alt held, Control and a letter may be AltGr typing a character.
ClipboardKey ClipboardKeyOf(WPARAM key) {
    const bool control = IsHeld(VK_CONTROL);
    const bool shift = IsHeld(VK_SHIFT);
    if (IsHeld(VK_MENU)) {
        return ClipboardKey::None;
    }
    if (control && (key == 'C' || (key == VK_INSERT && !shift))) {
        return ClipboardKey::Copy;
    }
    if ((control && key == 'X') || (shift && !control && key == VK_DELETE)) {
        return ClipboardKey::Cut;
    }
    return ClipboardKey::None;
}

// An empty selection leaves the clipboard as it was, as in an edit control.
void CopySelection(HWND editor) {
    const std::wstring selected = RichEditSelection(editor);
    if (!selected.empty()) {
        PutTextOnClipboard(editor, selected);
    }
}

void CutSelection(HWND editor) {
    if (IsReadOnly(editor)) {
        return;
    }
    CopySelection(editor);
    SendMessageW(editor, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L""));
}

// True when the character went in here.
bool TypeAsUtf16(HWND editor, UserText& userText, wchar_t unit) {
    if (IS_HIGH_SURROGATE(unit)) {
        userText.highSurrogate = unit;
        return true;
    }
    std::wstring typed;
    if (userText.highSurrogate != 0) {
        typed.push_back(userText.highSurrogate);
        userText.highSurrogate = 0;
    }
    typed.push_back(unit);
    return TypeIntoRichEdit(editor, typed);
}

LRESULT CALLBACK UserTextProc(HWND editor, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* userText = static_cast<UserText*>(GetPropW(editor, kUserTextProperty));
    const WNDPROC control = userText->control;
    switch (message) {
        // ASCII is the same in every ANSI code page.
        case WM_CHAR:
        case WM_IME_CHAR:
            if (wParam >= 0x80 && wParam <= 0xFFFF && !IsReadOnly(editor) &&
                TypeAsUtf16(editor, *userText, static_cast<wchar_t>(wParam))) {
                return 0;
            }
            break;
        case WM_KEYDOWN:
            switch (ClipboardKeyOf(wParam)) {
                case ClipboardKey::Copy:
                    CopySelection(editor);
                    return 0;
                case ClipboardKey::Cut:
                    CutSelection(editor);
                    return 0;
                case ClipboardKey::None:
                    break;
            }
            break;
        case WM_COPY:
            CopySelection(editor);
            return 0;
        case WM_CUT:
            CutSelection(editor);
            return 0;
        case WM_NCDESTROY:
            RemovePropW(editor, kUserTextProperty);
            delete userText;
            break;
        default:
            break;
    }
    return CallWindowProcW(control, editor, message, wParam, lParam);
}

}  // namespace

// A window procedure set through SetWindowLongPtrW makes the window Unicode: Windows hands this
// one the user's characters as UTF-16 and converts only what it passes on to the control's own
// ANSI procedure. SetWindowSubclass would leave the window ANSI (Wine's does), so this one goes
// first, under the toolkit's other subclasses.
void KeepUserTextExact(HWND editor) {
    auto* userText = new UserText;
    SetPropW(editor, kUserTextProperty, userText);
    userText->control = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(editor, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(UserTextProc)));
    if (userText->control == nullptr) {
        RemovePropW(editor, kUserTextProperty);
        delete userText;
    }
}

}  // namespace quillmoor::toolkit::win32
