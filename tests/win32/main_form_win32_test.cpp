
#include <string>
#include <vector>

#include "tests/win32/win32_form_fixture.h"

namespace quillmoor::toolkit::win32 {
namespace {

using app::GadgetId;

struct NativeRow {
    int gadget;
    const wchar_t* className;
    DWORD style;  // bits the control must have; scroll bars come and go with the content
};

// The class names are those Windows registers; the editor may be either rich edit version.
const NativeRow kNativeRows[] = {
    {GadgetId::Panel, WC_TABCONTROLW, WS_TABSTOP},
    {GadgetId::ClassNameCaption, L"Edit", ES_READONLY | ES_AUTOHSCROLL},
    {GadgetId::ClassName, L"Edit", ES_AUTOHSCROLL},
    {GadgetId::StructureNameCaption, L"Edit", ES_READONLY},
    {GadgetId::StructureName, L"Edit", ES_AUTOHSCROLL},
    {GadgetId::ConstructorHeadCaption, L"Edit", ES_READONLY},
    {GadgetId::ConstructorHead, L"Edit", ES_AUTOHSCROLL},
    {GadgetId::MethodTableLabelCaption, L"Edit", ES_READONLY},
    {GadgetId::MethodTableLabel, L"Edit", ES_AUTOHSCROLL},
    {GadgetId::CreateTestObject, L"Button", BS_AUTOCHECKBOX},
    {GadgetId::Methods, L"ListBox", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT},
    {GadgetId::MethodsCaption, L"Edit", ES_READONLY},
    {GadgetId::AttributesCaption, L"Edit", ES_READONLY},
    {GadgetId::Attributes, L"ListBox", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT},
    {GadgetId::MethodEntry, L"Edit", ES_AUTOHSCROLL},
    {GadgetId::AddMethod, L"Button", BS_PUSHBUTTON},
    {GadgetId::AttributeEntry, L"Edit", ES_AUTOHSCROLL},
    {GadgetId::AddAttribute, L"Button", BS_PUSHBUTTON},
    {GadgetId::Output, L"RichEdit20A", ES_MULTILINE | ES_NOHIDESEL},
};

using MainFormWin32 = Win32FormTest;

TEST_F(MainFormWin32, BuildsEveryWidgetAsItsNativeControl) {
    for (const NativeRow& row : kNativeRows) {
        SCOPED_TRACE(row.gadget);
        const HWND control = NativeOf(row.gadget);
        ASSERT_TRUE(IsWindow(control));
        EXPECT_EQ(ClassName(control), row.className);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE)) & row.style, row.style);
    }
}

TEST_F(MainFormWin32, WindowHasACaptionAndCloseBoxButNoSizingFrame) {
    const auto style = static_cast<DWORD>(GetWindowLongW(MainWindow(), GWL_STYLE));
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), static_cast<DWORD>(WS_CAPTION | WS_SYSMENU));
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
    EXPECT_TRUE(IsWindowVisible(MainWindow()));
}

TEST_F(MainFormWin32, OnlyTheFirstPageIsShownAndEnabled) {
    const HWND first = GetParent(NativeOf(GadgetId::ClassName));
    const HWND second = GetParent(NativeOf(GadgetId::Methods));
    const HWND third = GetParent(NativeOf(GadgetId::Output));
    EXPECT_TRUE(IsWindowVisible(first) && IsWindowEnabled(first));
    for (const HWND hidden : {second, third}) {
        EXPECT_FALSE(IsWindowVisible(hidden) || IsWindowEnabled(hidden));
    }
    RECT display;
    GetClientRect(NativeOf(GadgetId::Panel), &display);
    TabCtrl_AdjustRect(NativeOf(GadgetId::Panel), FALSE, &display);
    RECT page;
    GetWindowRect(first, &page);
    MapWindowPoints(nullptr, NativeOf(GadgetId::Panel), reinterpret_cast<POINT*>(&page), 2);
    EXPECT_TRUE(EqualRect(&page, &display));
}

// Every widget's place and size on its page or window. A page lies where the tab control's
// display area begins, which its own font decides; the window takes the size the system
// suggests with the change of density.
std::vector<RECT> Layout() {
    std::vector<RECT> rects;
    for (const NativeRow& row : kNativeRows) {
        RECT rect;
        GetWindowRect(NativeOf(row.gadget), &rect);
        MapWindowPoints(nullptr, GetParent(NativeOf(row.gadget)), reinterpret_cast<POINT*>(&rect),
                        2);
        rects.push_back(rect);
    }
    return rects;
}

void ChangeDensity(int dpi) {
    RECT outer;
    GetWindowRect(MainWindow(), &outer);
    SendMessageW(MainWindow(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&outer));
}

// Moved to a screen of twice the density, the form is laid out twice as large, and back again
// as it was.
TEST_F(MainFormWin32, AChangeOfDensityScalesTheWholeForm) {
    const std::vector<RECT> before = Layout();
    ChangeDensity(192);
    const std::vector<RECT> doubled = Layout();
    ChangeDensity(96);
    const std::vector<RECT> back = Layout();
    for (std::size_t index = 0; index < before.size(); ++index) {
        SCOPED_TRACE(index);
        EXPECT_NEAR(doubled[index].left, 2 * before[index].left, 1);
        EXPECT_NEAR(doubled[index].top, 2 * before[index].top, 1);
        EXPECT_NEAR(doubled[index].right, 2 * before[index].right, 1);
        EXPECT_NEAR(doubled[index].bottom, 2 * before[index].bottom, 1);
        EXPECT_TRUE(EqualRect(&back[index], &before[index]));
    }
}

// Wine's dialog font is wider than the one the form was laid out with; its captions still show
// their whole texts, at the layout's density and at twice that.
TEST_F(MainFormWin32, EveryCaptionShowsItsWholeTextAtEitherDensity) {
    for (const int dpi : {96, 192}) {
        SCOPED_TRACE(dpi);
        ChangeDensity(dpi);
        for (const NativeRow& row : kNativeRows) {
            if ((row.style & ES_READONLY) == 0) {
                continue;
            }
            SCOPED_TRACE(row.gadget);
            const HWND field = NativeOf(row.gadget);
            const std::wstring text = WindowText(field);
            const HDC context = GetDC(field);
            SelectObject(context, reinterpret_cast<HFONT>(SendMessageW(field, WM_GETFONT, 0, 0)));
            SIZE extent{};
            GetTextExtentPoint32W(context, text.c_str(), static_cast<int>(text.size()), &extent);
            ReleaseDC(field, context);
            RECT room{};
            SendMessageW(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
            EXPECT_LT(extent.cx, room.right - room.left);
        }
    }
}

// The styled widgets are given the face the form loads, not the dialog font at its size.
TEST_F(MainFormWin32, StyledWidgetsShowTheLoadedFace) {
    LOGFONTW font{};
    const auto shown =
        reinterpret_cast<HFONT>(SendMessageW(NativeOf(GadgetId::MethodEntry), WM_GETFONT, 0, 0));
    ASSERT_NE(GetObjectW(shown, sizeof font, &font), 0);
    EXPECT_EQ(std::wstring(font.lfFaceName), L"Courier");
}

}  // namespace
}  // namespace quillmoor::toolkit::win32
