// Facts only the Win32 realisation has, read from the native windows of the main form.

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/form_driver.h"
#include "tests/support/main_form_driver.h"
#include "tests/win32/win32_form_fixture.h"
#include "toolkit/win32/win32_platform.h"

namespace quillmoor::toolkit::win32 {
namespace {

using app::GadgetId;
using test::GadgetWindow;

using MainFormWin32 = Win32FormTest;

// Every widget of the form, by its number.
constexpr int kGadgetCount = GadgetId::Output + 1;

// What no behaviour test sees of the native windows: the form has a caption and a close box
// but no sizing frame, every field, a caption included, scrolls its text instead of refusing
// what is typed beyond its width, and the editor shows its selection without the focus.
TEST_F(MainFormWin32, NativeStylesOfTheFormFieldsAndEditor) {
    const auto form = static_cast<DWORD>(GetWindowLongW(MainWindow(), GWL_STYLE));
    EXPECT_EQ(form & (WS_CAPTION | WS_SYSMENU), static_cast<DWORD>(WS_CAPTION | WS_SYSMENU));
    EXPECT_EQ(form & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
    for (int gadget = 0; gadget < kGadgetCount; ++gadget) {
        SCOPED_TRACE(gadget);
        const auto style = static_cast<DWORD>(GetWindowLongW(GadgetWindow(gadget), GWL_STYLE));
        if (test::ShownKind(gadget) == GadgetKind::Text) {
            EXPECT_NE(style & ES_AUTOHSCROLL, 0u);
        } else if (test::ShownKind(gadget) == GadgetKind::Editor) {
            EXPECT_NE(style & ES_NOHIDESEL, 0u);
        }
    }
}

// Each page, once shown, covers exactly the tab control's display area and takes the themed
// tab control's texture. Under Wine, without a visual style, it looks as it did.
TEST_F(MainFormWin32, PagesFillTheDisplayAreaWithTheTabTexture) {
    const HWND panel = GadgetWindow(GadgetId::Panel);
    RECT display;
    GetClientRect(panel, &display);
    TabCtrl_AdjustRect(panel, FALSE, &display);
    for (const auto& [gadget, shown] : {std::pair{GadgetId::ClassName, test::Page::Allgemein},
                                        {GadgetId::Methods, test::Page::Klasse},
                                        {GadgetId::Output, test::Page::Output}}) {
        SCOPED_TRACE(gadget);
        test::ClickPage(shown);
        const HWND page = GetParent(GadgetWindow(gadget));
        RECT place;
        GetWindowRect(page, &place);
        MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&place), 2);
        EXPECT_TRUE(EqualRect(&place, &display));
        EXPECT_TRUE(IsThemeDialogTextureEnabled(page));
    }
}

// Every widget's place and size on its page or window. A page lies where the tab control's
// display area begins, which its own font decides.
std::vector<RECT> Layout() {
    std::vector<RECT> rects;
    for (int gadget = 0; gadget < kGadgetCount; ++gadget) {
        RECT rect;
        GetWindowRect(GadgetWindow(gadget), &rect);
        MapWindowPoints(nullptr, GetParent(GadgetWindow(gadget)), reinterpret_cast<POINT*>(&rect),
                        2);
        rects.push_back(rect);
    }
    return rects;
}

// What the form is at each density: its client area, and the sides of its icons.
struct DensityRow {
    int dpi;
    SIZE client;
    int bigIcon;
    int smallIcon;
};

constexpr DensityRow kDensities[] = {
    {96, {562, 391}, 32, 16},
    {144, {843, 587}, 48, 24},
    {192, {1124, 782}, 64, 32},
};

const DensityRow* RowOf(int dpi) {
    const auto* row = std::ranges::find(kDensities, dpi, &DensityRow::dpi);
    return row == std::end(kDensities) ? nullptr : row;
}

int IconSide(WPARAM which) {
    ICONINFO icon{};
    if (!GetIconInfo(reinterpret_cast<HICON>(SendMessageW(MainWindow(), WM_GETICON, which, 0)),
                     &icon)) {
        return 0;
    }
    BITMAP bitmap{};
    GetObjectW(icon.hbmColor != nullptr ? icon.hbmColor : icon.hbmMask, sizeof bitmap, &bitmap);
    DeleteObject(icon.hbmColor);
    DeleteObject(icon.hbmMask);
    return bitmap.bmWidth;
}

// Moves the form to a monitor of another density as Windows does: asks it for its outer size
// there, then suggests a place and a size scaled linearly from the present ones. Returns the
// size the form answered, none when it left the question to Windows.
SIZE ChangeDensity(int from, int to) {
    RECT outer;
    GetWindowRect(MainWindow(), &outer);
    const SIZE linear{MulDiv(outer.right - outer.left, to, from),
                      MulDiv(outer.bottom - outer.top, to, from)};
    SIZE answered = linear;
    if (!SendMessageW(MainWindow(), WM_GETDPISCALEDSIZE, static_cast<WPARAM>(to),
                      reinterpret_cast<LPARAM>(&answered))) {
        answered = {};
    }
    const RECT suggested{outer.left, outer.top, outer.left + linear.cx, outer.top + linear.cy};
    SendMessageW(MainWindow(), WM_DPICHANGED, MAKEWPARAM(to, to),
                 reinterpret_cast<LPARAM>(&suggested));
    return answered;
}

// The client area and icons of the density's row, and every caption whole.
void ExpectLaidOutAt(int dpi) {
    const DensityRow* row = RowOf(dpi);
    ASSERT_NE(row, nullptr) << dpi << " dpi";
    const test::Rect client = test::WindowClientArea(app::kMainWindow);
    EXPECT_EQ(client.width, row->client.cx);
    EXPECT_EQ(client.height, row->client.cy);
    EXPECT_EQ(IconSide(ICON_BIG), row->bigIcon);
    EXPECT_EQ(IconSide(ICON_SMALL), row->smallIcon);
    for (int gadget = 0; gadget < kGadgetCount; ++gadget) {
        if (test::ShownKind(gadget) == GadgetKind::Text && test::IsReadOnly(gadget)) {
            SCOPED_TRACE(gadget);
            EXPECT_TRUE(test::ShowsWholeText(gadget));
        }
    }
}

// From the layout's density to one and a half and twice that and back, the form is laid out
// to scale, its client area exactly so whatever size Windows suggests. Wine's dialog font is
// wider than the one the form was laid out with; the captions still show their whole texts.
TEST_F(MainFormWin32, AChangeOfDensityScalesTheWholeForm) {
    const std::vector<RECT> before = Layout();
    std::vector<RECT> doubled;
    int dpi = kLayoutDpi;
    for (const int next : {144, 192, kLayoutDpi}) {
        SCOPED_TRACE(next);
        const SIZE answered = ChangeDensity(dpi, next);
        dpi = next;
        const SIZE client = RowOf(dpi)->client;
        const RECT outer = OuterRectOf({0, 0, client.cx, client.cy}, kFormStyle, kFormExStyle, dpi);
        EXPECT_EQ(answered.cx, outer.right - outer.left);
        EXPECT_EQ(answered.cy, outer.bottom - outer.top);
        ExpectLaidOutAt(dpi);
        if (dpi == 2 * kLayoutDpi) {
            doubled = Layout();
        }
    }
    const std::vector<RECT> back = Layout();
    for (std::size_t index = 0; index < before.size(); ++index) {
        SCOPED_TRACE(index);
        for (const auto side : {&RECT::left, &RECT::top, &RECT::right, &RECT::bottom}) {
            EXPECT_NEAR(doubled[index].*side, 2 * before[index].*side, 1);
        }
        EXPECT_TRUE(EqualRect(&back[index], &before[index]));
    }
}

// Started on a desktop of another density (the test runs again at 144 dpi, the common laptop's
// 150 %), the form is laid out to scale from the start, in the face it loads.
TEST_F(MainFormWin32, StartsAtTheDesktopsDensity) {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    ExpectLaidOutAt(dpi);
    constexpr int kLoadedPoints = 10;
    EXPECT_EQ(test::FontPixelHeight(GadgetId::MethodEntry), MulDiv(kLoadedPoints, dpi, 72));
}

}  // namespace
}  // namespace quillmoor::toolkit::win32
