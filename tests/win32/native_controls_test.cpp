#include "tests/win32/win32_form_fixture.h"
#include "toolkit/win32/rich_edit.h"

namespace quillmoor::toolkit::win32 {
namespace {

using app::GadgetId;
using test::GadgetWindow;

using NativeControls = Win32FormTest;

// The brush the form paints the control's background with.
HGDIOBJ BackgroundBrushOf(int gadget) {
    const HWND control = GadgetWindow(gadget);
    const UINT request = ClassName(control) == L"ListBox" ? WM_CTLCOLORLISTBOX : WM_CTLCOLOREDIT;
    const HDC context = CreateCompatibleDC(nullptr);
    const auto brush = reinterpret_cast<HGDIOBJ>(SendMessageW(GetParent(control), request,
                                                              reinterpret_cast<WPARAM>(context),
                                                              reinterpret_cast<LPARAM>(control)));
    DeleteDC(context);
    return brush;
}

// Wine counts no GDI objects, so each replaced brush is checked to be gone as well.
TEST_F(NativeControls, ColourChangesLeaveNoBrushBehind) {
    const HANDLE process = GetCurrentProcess();
    const DWORD before = GetGuiResources(process, GR_GDIOBJECTS);
    for (int gadget : {GadgetId::ClassName, GadgetId::Methods}) {
        SCOPED_TRACE(gadget);
        SetGadgetColour(gadget, ColourType::Background, RGB(1, 2, 3));
        const HGDIOBJ first = BackgroundBrushOf(gadget);
        SetGadgetColour(gadget, ColourType::Background, RGB(4, 5, 6));
        EXPECT_EQ(GetObjectType(first), 0u);
        const HGDIOBJ second = BackgroundBrushOf(gadget);
        ASSERT_EQ(GetObjectType(second), static_cast<DWORD>(OBJ_BRUSH));
        SetGadgetColour(gadget, ColourType::Background, kDefaultColour);
        EXPECT_EQ(GetObjectType(second), 0u);
    }
    for (int round = 0; round < 50; ++round) {
        for (int gadget : {GadgetId::ClassName, GadgetId::Methods, GadgetId::Output}) {
            SetGadgetColour(gadget, ColourType::Background, RGB(round, 255, 230));
            SetGadgetColour(gadget, ColourType::Background, kDefaultColour);
        }
    }
    EXPECT_EQ(GetGuiResources(process, GR_GDIOBJECTS), before);
}

// Without riched20.dll the older control stands in, with the same texts, and copies as exactly.
TEST_F(NativeControls, EditorFallsBackToTheFirstRichEdit) {
    const HWND editor = CreateRichEdit(
        MainWindow(), {{L"quillmoor-absent.dll", L"RichEdit20A"}, kRichEditClasses[1]});
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(lstrcmpiW(ClassName(editor).c_str(), L"RichEdit"), 0);
    SetRichEditText(editor, L"erste\nzweite\n\xF6");
    EXPECT_EQ(RichEditText(editor), L"erste\nzweite\n\xF6");
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
