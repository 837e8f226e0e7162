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

// Lines do not wrap, so the control's lines are the text's. Character positions count a
// line's end as the control holds it; a line's own index keeps columns free of that.
Platform::EditorView Editor::View() const {
    CHARRANGE selection{};
    SendMessageW(Window(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    const auto caretLine = SendMessageW(Window(), EM_EXLINEFROMCHAR, 0, selection.cpMin);
    const auto lineStart = SendMessageW(Window(), EM_LINEINDEX, caretLine, 0);
    POINT scroll{};
    SendMessageW(Window(), EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
    return {static_cast<int>(SendMessageW(Window(), EM_GETFIRSTVISIBLELINE, 0, 0)),
            static_cast<int>(scroll.x), static_cast<int>(caretLine),
            static_cast<int>(selection.cpMin - lineStart)};
}

void Editor::SetView(const Platform::EditorView& view) {
    const auto caret = static_cast<LONG>(SendMessageW(Window(), EM_LINEINDEX, view.caretLine, 0) +
                                         view.caretColumn);
    CHARRANGE selection{caret, caret};
    SendMessageW(Window(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    // EM_SETSCROLLPOS takes 16-bit pixels, too few for the height of a long text: the sideways
    // scroll is set with the first line at the top, and the lines are scrolled after it.
    SendMessageW(Window(), EM_LINESCROLL, 0, -SendMessageW(Window(), EM_GETFIRSTVISIBLELINE, 0, 0));
    POINT scroll{view.horizontalScroll, 0};
    SendMessageW(Window(), EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
    SendMessageW(Window(), EM_LINESCROLL, 0, view.firstLine);
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
