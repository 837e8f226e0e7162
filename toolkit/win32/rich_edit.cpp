#include "toolkit/win32/rich_edit.h"

#include <algorithm>

#include "toolkit/win32/rich_edit_user_text.h"
#include "toolkit/win32/system_library.h"
#include "toolkit/win32/window_text.h"

namespace quillmoor::toolkit::win32 {

namespace {

constexpr UINT kUtf16CodePage = 1200;
constexpr LPARAM kNoLengthLimit = 0x7FFFFFFE;
constexpr DWORD kEditorStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_HSCROLL | WS_VSCROLL |
                               ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_NOHIDESEL |
                               ES_WANTRETURN;

// The version-1 control knows neither Unicode text messages nor a plain-text mode: it takes
// and gives text with CR LF line ends through the window text.
bool IsVersionOne(HWND editor) {
    return lstrcmpiW(ClassName(editor).c_str(), kRichEditClasses[1].className) == 0;
}

std::wstring WithLineEnds(std::wstring_view text, std::wstring_view lineEnd) {
    std::wstring native;
    native.reserve(text.size());
    for (const wchar_t unit : text) {
        if (unit == L'\n') {
            native += lineEnd;
        } else {
            native.push_back(unit);
        }
    }
    return native;
}

// CR, CR LF and LF each end one line.
std::wstring WithNewlines(std::wstring_view native) {
    std::wstring text;
    text.reserve(native.size());
    for (std::size_t index = 0; index < native.size(); ++index) {
        if (native[index] == L'\r') {
            text.push_back(L'\n');
            if (index + 1 < native.size() && native[index + 1] == L'\n') {
                ++index;
            }
        } else {
            text.push_back(native[index]);
        }
    }
    return text;
}

// The text with the line ends the control holds, each character where the control's positions
// count it.
std::wstring TextAsHeld(HWND editor) {
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

}  // namespace

HWND CreateRichEdit(HWND parent, std::initializer_list<RichEditClass> classes) {
    for (const RichEditClass& candidate : classes) {
        if (LoadSystemLibrary(candidate.library) == nullptr) {
            continue;
        }
        const HWND editor =
            CreateWindowExW(WS_EX_CLIENTEDGE, candidate.className, L"", kEditorStyle, 0, 0, 0, 0,
                            parent, nullptr, GetModuleHandleW(nullptr), nullptr);
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
        SetWindowTextW(editor, WithLineEnds(text, L"\r\n").c_str());
    } else {
        SETTEXTEX how{ST_DEFAULT, kUtf16CodePage};
        const std::wstring native = WithLineEnds(text, L"\r");
        SendMessageW(editor, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how),
                     reinterpret_cast<LPARAM>(native.c_str()));
    }
    // The caret and the view start at the top, where a reader starts.
    SendMessageW(editor, EM_SETSEL, 0, 0);
    SendMessageW(editor, EM_SCROLLCARET, 0, 0);
    SendMessageW(editor, EM_SETMODIFY, FALSE, 0);
}

std::wstring RichEditText(HWND editor) {
    return WithNewlines(TextAsHeld(editor));
}

std::wstring RichEditSelection(HWND editor) {
    CHARRANGE selection{};
    SendMessageW(editor, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    const std::wstring held = TextAsHeld(editor);
    const std::size_t start =
        std::min<std::size_t>(std::max<LONG>(selection.cpMin, 0), held.size());
    const std::size_t end =
        std::clamp<std::size_t>(std::max<LONG>(selection.cpMax, 0), start, held.size());
    return WithLineEnds(WithNewlines(std::wstring_view(held).substr(start, end - start)), L"\r\n");
}

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

}  // namespace quillmoor::toolkit::win32
