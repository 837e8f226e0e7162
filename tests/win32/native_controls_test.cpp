#include "tests/win32/win32_form_fixture.h"
#include "toolkit/win32/win32_platform.h"

namespace quillmoor::toolkit::win32 {
namespace {

using app::GadgetId;
using test::GadgetWindow;

using NativeControls = Win32FormTest;

// Without riched20.dll the older control stands in, its lines ended by CR LF, and copies as
// exactly.
TEST_F(NativeControls, EditorFallsBackToTheFirstRichEdit) {
    const HWND editor = CreateRichEdit(
        MainWindow(), {{L"quillmoor-absent.dll", L"RichEdit20A"}, kRichEditClasses[1]});
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(lstrcmpiW(ClassName(editor).c_str(), L"RichEdit"), 0);
    SetRichEditText(editor, L"erste\rzweite\r\xF6");
    EXPECT_EQ(RichEditText(editor), L"erste\r\nzweite\r\n\xF6");
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
    for (const RichEditClass& richEdit : kRichEditClasses) {
        SCOPED_TRACE(richEdit.library);
        const HWND editor = CreateRichEdit(MainWindow(), {richEdit});
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
}  // namespace quillmoor::toolkit::win32
