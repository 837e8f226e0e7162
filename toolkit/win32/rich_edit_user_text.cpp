#include "toolkit/win32/rich_edit_user_text.h"

#include <string>

#include "toolkit/win32/clipboard_text.h"
#include "toolkit/win32/rich_edit.h"

namespace quillmoor::toolkit::win32 {

namespace {

// Where the window keeps its UserText.
constexpr wchar_t kUserTextProperty[] = L"Quillmoor.UserText";

struct UserText {
    WNDPROC control = nullptr;  // the control's own window procedure
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

bool IsReadOnly(HWND editor) {
    return (GetWindowLongW(editor, GWL_STYLE) & ES_READONLY) != 0;
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

LRESULT CALLBACK UserTextProc(HWND editor, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* userText = static_cast<UserText*>(GetPropW(editor, kUserTextProperty));
    const WNDPROC control = userText->control;
    switch (message) {
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

// A window procedure of its own, in front of the control's, under the toolkit's subclasses.
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
