// The editor's native rich edit control: what a copy puts on the clipboard, what reaches it of a
// key, and the older control that stands in for it.

#include <functional>
#include <string>

#include "tests/app/main_form_fixture.h"
#include "tests/support/win32/native_windows.h"
#include "tests/toolkit/toolkit_fixture.h"
#include "tests/win32/win32_form_fixture.h"
#include "toolkit/win32/win32_platform.h"

namespace quillmoor::app::testing {
namespace {

namespace win32 = toolkit::win32;
using win32::ClipboardBlock;

void EmptyTheClipboard() {
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
}

// The editor's text as the clipboard holds text: lines ended by CR LF, then one NUL.
std::string ShownWithCrLf() {
    std::string text;
    for (const char byte : tk::ReadGadgetText(GadgetId::Output)) {
        text += byte == '\r' ? std::string("\r\n") : std::string(1, byte);
    }
    return text + '\0';
}

void AddMethodsAndAttributes() {
    ShowPage(Page::Klasse);
    for (const char* method : {"Eins.l()", "Zwei.s(a)", "Drei(a,b)"}) {
        TypeInto(GadgetId::MethodEntry, method);
        PressReturn();
    }
    for (const char* attribute : {"ID.l", "Name.s"}) {
        TypeInto(GadgetId::AttributeEntry, attribute);
        PressReturn();
    }
}

void ShortenedByADeletion() {
    AddMethodsAndAttributes();
    ShowPage(Page::Output);
    ShowPage(Page::Klasse);
    DoubleClickItem(GadgetId::Methods, 0);
    const test::BoxAnswer answer(test::kYes);
    RunPendingTurns();
    ASSERT_TRUE(answer.Answered()) << answer.Problem();
    ShowPage(Page::Output);
}

void LengthenedByNewEntries() {
    ShowPage(Page::Output);
    AddMethodsAndAttributes();
    ShowPage(Page::Output);
}

void TypedInto() {
    ShowPage(Page::Output);
    ClickInto(GadgetId::Output);
    test::PressKey(test::Key::End, test::kControl);
    test::TypeText(U"; \u00F6\u20AC\u017D getippt");
    RunPendingTurns();
}

struct CopyCase {
    const char* name;
    void (*prepare)();
};

void PrintTo(const CopyCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class EditorCopyTest : public MainFormTest, public ::testing::WithParamInterface<CopyCase> {};

// The copy is exact after every way the text can have come about, by each way of copying.
TEST_P(EditorCopyTest, CopyHoldsExactlyTheShownText) {
    GetParam().prepare();
    ClickInto(GadgetId::Output);
    test::PressKey(test::Key::SelectAll);
    const std::string expected = ShownWithCrLf();
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"Control+C", [] { test::PressKey(test::Key::Copy); }},
        {"Control+Insert", [] { test::PressKey(test::Key::Insert, test::kControl); }},
        {"WM_COPY", [] { SendMessageW(test::GadgetWindow(GadgetId::Output), WM_COPY, 0, 0); }},
    };
    for (const auto& [way, copy] : ways) {
        SCOPED_TRACE(way);
        EmptyTheClipboard();
        copy();
        const std::u32string codePoints = tk::DecodeWindows1252(expected);
        EXPECT_EQ(ClipboardBlock<wchar_t>(CF_UNICODETEXT),
                  std::wstring(codePoints.begin(), codePoints.end()));
        EXPECT_EQ(ClipboardBlock<char>(CF_TEXT), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryText, EditorCopyTest,
                         ::testing::Values(CopyCase{"Generated", [] { ShowPage(Page::Output); }},
                                           CopyCase{"ShortenedByADeletion", ShortenedByADeletion},
                                           CopyCase{"LengthenedByNewEntries",
                                                    LengthenedByNewEntries},
                                           CopyCase{"TypedInto", TypedInto}),
                         [](const auto& info) { return std::string(info.param.name); });

// A cut takes the selection, across a line end, onto the clipboard exactly and out of the text.
// A read-only editor keeps its text and the clipboard's, and its selection for a copy.
TEST_F(MainFormTest, CutTakesExactlyTheSelection) {
    ShowPage(Page::Output);
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"Control+X", [] { test::PressKey(test::Key::Cut); }},
        {"Shift+Delete", [] { test::PressKey(test::Key::Delete, test::kShift); }},
        {"WM_CUT", [] { SendMessageW(test::GadgetWindow(GadgetId::Output), WM_CUT, 0, 0); }},
    };
    const std::wstring selection(L"ins\r\nz\0", 7);
    for (const bool readOnly : {false, true}) {
        for (const auto& [way, cut] : ways) {
            SCOPED_TRACE(std::string(way) + (readOnly ? ", read-only" : ""));
            tk::WriteGadgetText(GadgetId::Output, "eins\rzwei\r");
            test::SetReadOnly(GadgetId::Output, readOnly);
            ClickInto(GadgetId::Output);
            test::PressKey(test::Key::Home, test::kControl);
            test::PressKey(test::Key::Right);
            test::PressKey(test::Key::End, test::kShift);
            test::PressKey(test::Key::Right, test::kShift);
            test::PressKey(test::Key::Right, test::kShift);
            EmptyTheClipboard();
            cut();
            EXPECT_EQ(ClipboardBlock<wchar_t>(CF_UNICODETEXT),
                      readOnly ? std::wstring() : selection);
            EXPECT_EQ(tk::ReadGadgetText(GadgetId::Output), readOnly ? "eins\rzwei\r" : "ewei\r");
            // A copy then finds what is left selected: the same text, or nothing after a cut.
            test::PressKey(test::Key::Copy);
            EXPECT_EQ(ClipboardBlock<wchar_t>(CF_UNICODETEXT), selection);
        }
    }
}

// Counts the '\r' characters that reach the rich edit's own window procedure, beneath every
// subclass, in the editors made while it lives: their class takes its procedure.
class ReturnCharsReachingTheControl {
public:
    explicit ReturnCharsReachingTheControl(HWND parent) : parent_(parent) {
        counted_ = 0;
        classProcedure_ = SetClassProcedure(Count);
    }
    ~ReturnCharsReachingTheControl() { SetClassProcedure(classProcedure_); }
    ReturnCharsReachingTheControl(const ReturnCharsReachingTheControl&) = delete;
    ReturnCharsReachingTheControl& operator=(const ReturnCharsReachingTheControl&) = delete;

    int Counted() const { return counted_; }

private:
    // The class's procedure is set through a window of the class.
    WNDPROC SetClassProcedure(WNDPROC procedure) const {
        const HWND sample = win32::CreateRichEdit(parent_, {win32::kRichEditClasses[0]});
        const auto replaced = reinterpret_cast<WNDPROC>(
            SetClassLongPtrW(sample, GCLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
        DestroyWindow(sample);
        return replaced;
    }

    static LRESULT CALLBACK Count(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_CHAR && wParam == '\r') {
            ++counted_;
        }
        return CallWindowProcW(classProcedure_, window, message, wParam, lParam);
    }
    // Kept after the spy goes: the editors it made still call it.
    static inline WNDPROC classProcedure_ = nullptr;
    static inline int counted_ = 0;
    HWND parent_;
};

using EditorKeys = toolkit::ToolkitTest;

// Shift+Return breaks the line once. Wine's rich edit ignores the '\r' that TranslateMessage
// makes of the key, so the second break Windows' may add shows only as that character reaching
// the control.
TEST_F(EditorKeys, ShiftReturnBreaksTheLineOnce) {
    constexpr int kEditor = 1;
    const ReturnCharsReachingTheControl returnChars(test::FormWindow(kWindow));
    ASSERT_NE(tk::CreateEditorGadget(kEditor, 0, 0, 200, 100), 0);
    ASSERT_TRUE(test::ActivateWindow(kWindow));
    tk::FocusGadget(kEditor);
    test::TypeText(U"ab");
    test::PressKey(test::Key::Return, test::kShift);
    test::TypeText(U"c");
    EXPECT_EQ(test::ShownText(kEditor), "ab\nc");
    EXPECT_EQ(returnChars.Counted(), 0);
    // Read-only, neither the key nor a letter beyond ASCII changes the text.
    test::SetReadOnly(kEditor, true);
    test::PressKey(test::Key::Return, test::kShift);
    test::TypeText(U"\u00F6");
    EXPECT_EQ(test::ShownText(kEditor), "ab\nc");
}

using NativeControls = win32::Win32FormTest;

// Without riched20.dll the older control stands in, its lines ended by CR LF, and copies as
// exactly.
TEST_F(NativeControls, EditorFallsBackToTheFirstRichEdit) {
    const HWND editor = win32::CreateRichEdit(
        win32::MainWindow(),
        {{L"quillmoor-absent.dll", L"RichEdit20A"}, win32::kRichEditClasses[1]});
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(lstrcmpiW(win32::ClassName(editor).c_str(), L"RichEdit"), 0);
    win32::SetRichEditText(editor, L"erste\rzweite\r\xF6");
    EXPECT_EQ(win32::RichEditText(editor), L"erste\r\nzweite\r\n\xF6");
    SendMessageW(editor, EM_SETSEL, 0, -1);
    SendMessageW(editor, WM_COPY, 0, 0);
    EXPECT_EQ(ClipboardBlock<wchar_t>(CF_UNICODETEXT),
              std::wstring(L"erste\r\nzweite\r\n\xF6\0", 17));
    DestroyWindow(editor);
}

// Both rich edit classes take characters in the system's ANSI code page; what the user types
// beyond it still arrives whole (the test runs under code page 1251 too).
TEST_F(NativeControls, TypedLettersReachEitherRichEditWhole) {
    constexpr std::wstring_view kTyped = L"\xF6\x20AC\x017D";
    for (const win32::RichEditClass& richEdit : win32::kRichEditClasses) {
        SCOPED_TRACE(richEdit.library);
        const HWND editor = win32::CreateRichEdit(win32::MainWindow(), {richEdit});
        ASSERT_NE(editor, nullptr);
        for (const wchar_t letter : kTyped) {
            SendMessageW(editor, WM_CHAR, letter, 1);
        }
        std::wstring held(kTyped.size() + 1, L'\0');
        GETTEXTEX how{static_cast<DWORD>(held.size() * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr,
                      nullptr};
        held.resize(static_cast<std::size_t>(SendMessageW(editor, EM_GETTEXTEX,
                                                          reinterpret_cast<WPARAM>(&how),
                                                          reinterpret_cast<LPARAM>(held.data()))));
        EXPECT_EQ(held, kTyped);
        DestroyWindow(editor);
    }
}

}  // namespace
}  // namespace quillmoor::app::testing
