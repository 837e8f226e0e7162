#include <string>

#include "tests/win32/win32_form_fixture.h"
#include "toolkit/win32/rich_edit.h"
#include "toolkit/win32/yes_no_box.h"

namespace quillmoor::toolkit::win32 {
namespace {

using app::GadgetId;

std::string AllBytesExcept(std::string_view leftOut) {
    std::string bytes;
    for (int value = 0; value < 256; ++value) {
        if (leftOut.find(static_cast<char>(value)) == std::string_view::npos) {
            bytes.push_back(static_cast<char>(value));
        }
    }
    return bytes;
}

using NativeControls = Win32FormTest;

// An editor takes CR, LF and CR LF alike as one line end and gives back a lone CR.
TEST_F(NativeControls, EveryByteRoundTripsThroughFieldItemAndEditor) {
    const std::string all = AllBytesExcept("");
    WriteGadgetText(GadgetId::ClassName, all);
    EXPECT_EQ(ReadGadgetText(GadgetId::ClassName), all);
    InsertGadgetItem(GadgetId::Methods, -1, all);
    EXPECT_EQ(ReadGadgetItemText(GadgetId::Methods, 0), all);
    const std::string editorBytes = AllBytesExcept("\n");
    WriteGadgetText(GadgetId::Output, editorBytes);
    EXPECT_EQ(ReadGadgetText(GadgetId::Output), editorBytes);
}

// The brush the form paints the control's background with.
HGDIOBJ BackgroundBrushOf(int gadget) {
    const HWND control = NativeOf(gadget);
    const UINT request = ClassOf(control) == L"ListBox" ? WM_CTLCOLORLISTBOX : WM_CTLCOLOREDIT;
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

// Without riched20.dll the older control stands in, with the same texts.
TEST_F(NativeControls, EditorFallsBackToTheFirstRichEdit) {
    const HWND editor = CreateRichEdit(
        MainWindow(), {{L"quillmoor-absent.dll", L"RichEdit20A"}, kRichEditClasses[1]});
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(lstrcmpiW(ClassOf(editor).c_str(), L"RichEdit"), 0);
    SetRichEditText(editor, L"erste\nzweite\n\xF6");
    EXPECT_EQ(RichEditText(editor), L"erste\nzweite\n\xF6");
    DestroyWindow(editor);
}

struct BoxSeen {
    std::wstring yes;
    std::wstring no;
    bool yesIsDefault = false;
    int clicked = 0;
};

BoxSeen seen;

// Runs inside the box's own modal loop, as the user does once the box is up.
void CALLBACK AnswerTheBox(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND box = GetWindow(GetDesktopWindow(), GW_CHILD);
    for (HWND window = box; window != nullptr; window = GetWindow(window, GW_HWNDNEXT)) {
        if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId() ||
            ClassOf(window) != L"#32770" || !IsWindowVisible(window)) {
            continue;
        }
        KillTimer(nullptr, timer);
        wchar_t caption[32] = {};
        GetDlgItemTextW(window, IDYES, caption, 32);
        seen.yes = caption;
        GetDlgItemTextW(window, IDNO, caption, 32);
        seen.no = caption;
        seen.yesIsDefault =
            (GetWindowLongW(GetDlgItem(window, IDYES), GWL_STYLE) & BS_DEFPUSHBUTTON) != 0;
        SendMessageW(GetDlgItem(window, seen.clicked), BM_CLICK, 0, 0);
        return;
    }
}

TEST_F(NativeControls, BoxAsksInGermanWithYesTheDefault) {
    for (const auto& [button, answer] : {std::pair{IDYES, Answer::Yes}, {IDNO, Answer::No}}) {
        seen = BoxSeen{};
        seen.clicked = button;
        SetTimer(nullptr, 0, 10, AnswerTheBox);
        EXPECT_EQ(AskUser("Warnung!", "Wirklich?", AskFlags::YesNo), answer);
        EXPECT_EQ(seen.yes, kYesCaption);
        EXPECT_EQ(seen.no, kNoCaption);
        EXPECT_TRUE(seen.yesIsDefault);
    }
}

}  // namespace
}  // namespace quillmoor::toolkit::win32
