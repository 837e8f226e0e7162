// The editor: a plain-text rich edit control, from the system's riched20.dll where Windows has
// it and from the older riched32.dll where not. Its lines end with a lone CR inside, as the
// program's text does.
//
// What the user types into it and copies out of it is kept exact. The control's window classes
// ("RichEdit20A", "RichEdit") take characters in Windows' ANSI code page, which outside Western
// Europe lacks most of the program's letters: typed into a Windows of code page 1251 or 932, "ö"
// would arrive as "?". And Wine's rich edit hands the clipboard a block longer than the copied
// text, whose tail of stray bytes Wine's X11 clipboard passes on as text.

#include <algorithm>
#include <string>
#include <utility>

#include "toolkit/core/utf16_text.h"
#include "toolkit/win32/win32_platform.h"

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

// Replaces what the clipboard holds with the text as programs read it: UTF-16, and the
// program's own Windows-1252 form beside it, each in a block that holds the text and its
// terminating NUL and nothing more; false when the clipboard could not be had or filled.
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

constexpr UINT kUtf16CodePage = 1200;
constexpr LPARAM kNoLengthLimit = 0x7FFFFFFE;
constexpr DWORD kEditorStyle = WS_HSCROLL | WS_VSCROLL | ES_MULTILINE | ES_AUTOHSCROLL |
                               ES_AUTOVSCROLL | ES_NOHIDESEL | ES_WANTRETURN;

// The version-1 control knows neither Unicode text messages nor a plain-text mode: it takes
// and gives text with CR LF line ends through the window text.
bool IsVersionOne(HWND editor) {
    return lstrcmpiW(ClassName(editor).c_str(), kRichEditClasses[1].className) == 0;
}

// CR, CR LF and LF each end one line, with CR LF.
std::wstring WithCrLf(std::wstring_view text) {
    std::wstring crLf;
    crLf.reserve(text.size());
    for (std::size_t index = 0; index < text.size(); ++index) {
        if (text[index] == L'\r' || text[index] == L'\n') {
            crLf += L"\r\n";
            if (text[index] == L'\r' && index + 1 < text.size() && text[index + 1] == L'\n') {
                ++index;
            }
        } else {
            crLf.push_back(text[index]);
        }
    }
    return crLf;
}

// The selected text with its lines ended by CR LF, as the clipboard holds lines.
std::wstring RichEditSelection(HWND editor) {
    CHARRANGE selection{};
    SendMessageW(editor, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    const std::wstring held = RichEditText(editor);
    const std::size_t start =
        std::min<std::size_t>(std::max<LONG>(selection.cpMin, 0), held.size());
    const std::size_t end =
        std::clamp<std::size_t>(std::max<LONG>(selection.cpMax, 0), start, held.size());
    return WithCrLf(std::wstring_view(held).substr(start, end - start));
}

// Replaces the selection with what the user typed, given as UTF-16 whatever code page the
// control's window class takes characters in, and puts the caret after it; false when the
// control cannot take text so.
bool TypeIntoRichEdit(HWND editor, std::wstring_view typed) {
    CHARRANGE selection{};
    SendMessageW(editor, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    SETTEXTEX how{ST_SELECTION | ST_KEEPUNDO, kUtf16CodePage};
    const std::wstring text(typed);
    if (SendMessageW(editor, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how),
                     reinterpret_cast<LPARAM>(text.c_str())) == 0) {
        return false;
    }
    const LONG end = selection.cpMin + static_cast<LONG>(text.size());
    CHARRANGE after{end, end};
    SendMessageW(editor, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&after));
    SendMessageW(editor, EM_SCROLLCARET, 0, 0);
    SendMessageW(editor, EM_SETMODIFY, TRUE, 0);
    return true;
}

struct UserText {
    WNDPROC control = nullptr;  // the control's own window procedure
    // The first half of a character beyond 16 bits, until its second half comes.
    wchar_t highSurrogate = 0;
};

enum class ClipboardKey { None, Copy, Cut };

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
    auto* userText = reinterpret_cast<UserText*>(GetWindowLongPtrW(editor, GWLP_USERDATA));
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
        // The window's last message: nothing reaches this procedure after it.
        case WM_NCDESTROY: {
            const LRESULT result = CallWindowProcW(control, editor, message, wParam, lParam);
            delete userText;
            return result;
        }
        default:
            break;
    }
    return CallWindowProcW(control, editor, message, wParam, lParam);
}

// A window procedure set through SetWindowLongPtrW makes the window Unicode: Windows hands this
// one the user's characters as UTF-16 and converts only what it passes on to the control's own
// ANSI procedure. SetWindowSubclass would leave the window ANSI (Wine's does), so this one goes
// first, under the toolkit's other procedures. The window keeps its UserText in GWLP_USERDATA,
// which Windows leaves to the application that created the window; a window property would
// cost Wine a round trip to its server on every message.
// From now on, until the window is destroyed: characters typed beyond ASCII reach the control
// as UTF-16, and a copy (WM_COPY, Control+C, Control+Insert) or a cut (WM_CUT, Control+X,
// Shift+Delete) puts exactly the selected text on the clipboard. The control has no context
// menu to copy from.
void KeepUserTextExact(HWND editor) {
    auto* userText = new UserText;
    SetWindowLongPtrW(editor, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(userText));
    userText->control = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(editor, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(UserTextProc)));
    if (userText->control == nullptr) {
        SetWindowLongPtrW(editor, GWLP_USERDATA, 0);
        delete userText;
    }
}

}  // namespace

HWND CreateRichEdit(HWND parent, std::initializer_list<RichEditClass> classes,
                    Placement placement) {
    for (const RichEditClass& candidate : classes) {
        if (LoadSystemLibrary(candidate.library) == nullptr) {
            continue;
        }
        const HWND editor =
            CreateChild(parent, candidate.className, kEditorStyle, WS_EX_CLIENTEDGE, placement);
        if (editor == nullptr) {
            continue;
        }
        if (!IsVersionOne(editor)) {
            SendMessageW(editor, EM_SETTEXTMODE, TM_PLAINTEXT, 0);
        }
        SendMessageW(editor, EM_EXLIMITTEXT, 0, kNoLengthLimit);
        KeepUserTextExact(editor);
        return editor;
    }
    return nullptr;
}

void SetRichEditText(HWND editor, std::wstring_view text) {
    // Wine's rich edit keeps the paragraphs of the last selection it painted and reads them
    // again on the next change of selection, even when new text has freed them; a selection
    // collapsed while they still exist leaves it nothing to read.
    SendMessageW(editor, EM_SETSEL, 0, 0);
    if (IsVersionOne(editor)) {
        SetWindowTextW(editor, WithCrLf(text).c_str());
    } else {
        SETTEXTEX how{ST_DEFAULT, kUtf16CodePage};
        const std::wstring native(text);
        SendMessageW(editor, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how),
                     reinterpret_cast<LPARAM>(native.c_str()));
    }
    // The caret and the view start at the top, where a reader starts.
    SendMessageW(editor, EM_SETSEL, 0, 0);
    SendMessageW(editor, EM_SCROLLCARET, 0, 0);
    SendMessageW(editor, EM_SETMODIFY, FALSE, 0);
}

// The text with the line ends the control holds, each character where the control's positions
// count it.
std::wstring RichEditText(HWND editor) {
    if (IsVersionOne(editor)) {
        return WindowText(editor);
    }
    GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, kUtf16CodePage};
    const auto count =
        SendMessageW(editor, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
    if (count <= 0) {
        return {};
    }
    std::wstring held(static_cast<std::size_t>(count) + 1, L'\0');
    GETTEXTEX how{};
    how.cb = static_cast<DWORD>(held.size() * sizeof(wchar_t));
    how.flags = GT_DEFAULT;
    how.codepage = kUtf16CodePage;
    const auto copied = SendMessageW(editor, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&how),
                                     reinterpret_cast<LPARAM>(held.data()));
    held.resize(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
    return held;
}

namespace {

// An editor gadget: the rich edit control kept to plain paragraphs, which paints itself in the
// colours it is given.
class Editor final : public Control {
public:
    Editor(HWND window, Placement placement, Happenings& happenings, ScaledFont& font)
        : Control(window, placement, happenings, font) {}

    void SetText(const std::wstring& text) override;
    std::wstring Text() const override;
    bool EditedSinceSet() const override;
    Platform::EditorView View() const override;
    void SetView(const Platform::EditorView& view) override;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void ShowColours() override;
    void ApplyColours() const;

    // Shift+Return was handled; the character made of that key is still to come.
    bool shiftReturnCharComing_ = false;
};

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
    if (message == WM_KEYDOWN && wParam == VK_RETURN && IsHeld(VK_SHIFT) && !IsReadOnly(Window())) {
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
void Editor::ShowColours() {
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

}  // namespace

HWND MakeEditor(HWND parent, const GadgetRequest& request, Happenings& happenings,
                ScaledFont& font) {
    return Made<Editor>(
        CreateRichEdit(parent, {kRichEditClasses[0], kRichEditClasses[1]}, request.placement),
        request, happenings, font);
}

}  // namespace quillmoor::toolkit::win32
