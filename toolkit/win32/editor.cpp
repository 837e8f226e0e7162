#include "toolkit/win32/editor.h"

#include <utility>

#include "toolkit/win32/rich_edit.h"
#include "toolkit/win32/window_text.h"

namespace quillmoor::toolkit::win32 {

Editor::Editor(HWND window, Placement placement, Happenings& happenings, ScaledFont& font)
    : Control(window, placement, happenings, font) {}

void Editor::SetText(const std::wstring& text) {
    SetRichEditText(Window(), text);
}

std::wstring Editor::Text() const {
    return RichEditText(Window());
}

bool Editor::EditedSinceSet() const {
    return SendMessageW(Window(), EM_GETMODIFY, 0, 0) != 0;
}

LRESULT Editor::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN) {
        shiftReturnCharComing_ = false;
    }
    // The rich edit control types a soft line break, a vertical tab, on Shift+Return; the
    // editor's lines end in paragraphs only. The '\r' that TranslateMessage made of the same key
    // comes next: a rich edit that breaks lines on it (Windows' may; Wine's does not) would break
    // the line a second time.
    if (message == WM_KEYDOWN && wParam == VK_RETURN && GetKeyState(VK_SHIFT) < 0 &&
        !IsReadOnly(Window())) {
        SendMessageW(Window(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"\r"));
        shiftReturnCharComing_ = true;
        return 0;
    }
    if (message == WM_CHAR && std::exchange(shiftReturnCharComing_, false) && wParam == '\r') {
        return 0;
    }
    // It forgets the text colour when it is given a font.
    if (message == WM_SETFONT) {
        const LRESULT result = Control::HandleMessage(message, wParam, lParam);
        ApplyColours();
        return result;
    }
    return Control::HandleMessage(message, wParam, lParam);
}

// The control paints itself: it takes its colours as messages, not from its parent.
void Editor::ShowColour(ColourType /*changed*/) {
    ApplyColours();
}

void Editor::ApplyColours() const {
    const Colour text = TextColour();
    const Colour background = BackgroundColour();
    SendMessageW(Window(), EM_SETBKGNDCOLOR, background == kDefaultColour ? 1 : 0,
                 static_cast<LPARAM>(background == kDefaultColour ? 0 : background));
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR;
    format.dwEffects = text == kDefaultColour ? CFE_AUTOCOLOR : 0;
    format.crTextColor = static_cast<COLORREF>(text == kDefaultColour ? 0 : text);
    SendMessageW(Window(), EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    SendMessageW(Window(), EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

}  // namespace quillmoor::toolkit::win32
