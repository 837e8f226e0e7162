// The form driver over Win32, reading back what the screen shows: from the native controls
// themselves, and their parents' answers for them.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "tests/support/drawn_pixels.h"
#include "tests/support/win32/native_windows.h"
#include "toolkit/win32/win32_platform.h"

namespace quillmoor::test {

using toolkit::win32::ClassName;
using toolkit::win32::WindowText;

bool IsWindowActive(int window) {
    return GetActiveWindow() == FormWindow(window) && FormWindow(window) != nullptr;
}

bool IsWindowVisible(int window) {
    return ::IsWindowVisible(FormWindow(window)) != FALSE;
}

struct NativeWatch::Pointer {
    HWND window;
};

NativeWatch::NativeWatch(toolkit::Handle handle)
    : pointer_(new Pointer{reinterpret_cast<HWND>(handle)}) {}

NativeWatch::~NativeWatch() = default;

bool NativeWatch::IsGone() const {
    return IsWindow(pointer_->window) == FALSE;
}

toolkit::GadgetKind ShownKind(int gadget) {
    using toolkit::GadgetKind;
    const HWND window = GadgetWindow(gadget);
    if (IsClass(window, WC_TABCONTROLW)) {
        return GadgetKind::Panel;
    }
    if (IsClass(window, L"Edit")) {
        return GadgetKind::Text;
    }
    if (IsClass(window, L"ListBox")) {
        return GadgetKind::List;
    }
    if (IsRichEdit(window)) {
        return GadgetKind::Editor;
    }
    const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    if (IsClass(window, L"Button")) {
        return (style & BS_TYPEMASK) == BS_AUTOCHECKBOX ? GadgetKind::Check : GadgetKind::Button;
    }
    ADD_FAILURE() << "gadget " << gadget << " is a " << Utf8(ClassName(window));
    return GadgetKind::Button;
}

// The rich edit ends its lines with CR, the older one with CR LF.
std::string ShownText(int gadget) {
    const HWND window = GadgetWindow(gadget);
    if (!IsRichEdit(window)) {
        return Utf8(WindowText(window));
    }
    std::wstring lines;
    wchar_t previous = 0;
    for (const wchar_t unit : toolkit::win32::RichEditText(window)) {
        if (unit != L'\n' || previous != L'\r') {
            lines.push_back(unit == L'\r' ? L'\n' : unit);
        }
        previous = unit;
    }
    return Utf8(lines);
}

int FirstVisibleLine(int editor) {
    return static_cast<int>(SendMessageW(GadgetWindow(editor), EM_GETFIRSTVISIBLELINE, 0, 0));
}

int SidewaysScroll(int editor) {
    POINT scroll{};
    SendMessageW(GadgetWindow(editor), EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
    return static_cast<int>(scroll.x);
}

// The field's own rule: it scrolls its text as soon as the caret behind the last character would
// stand on the right edge of the room it draws its text in.
bool ShowsWholeText(int gadget) {
    const HWND window = GadgetWindow(gadget);
    if (!IsClass(window, L"Edit")) {
        return false;
    }
    RECT area;
    SendMessageW(window, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    const std::wstring text = WindowText(window);
    const HDC context = GetDC(window);
    const HGDIOBJ old =
        SelectObject(context, reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(context, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(context, old);
    ReleaseDC(window, context);
    return extent.cx < area.right - area.left;
}

std::string SelectedText(int gadget) {
    const HWND window = GadgetWindow(gadget);
    if (!IsClass(window, L"Edit")) {
        return {};
    }
    // Asked for by address: the packed answer holds no position beyond 65,535, which a pasted
    // field can pass.
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return Utf8(WindowText(window).substr(start, end - start));
}

std::string WindowTitle(int window) {
    return Utf8(WindowText(FormWindow(window)));
}

std::vector<std::string> ShownItems(int list) {
    const HWND box = GadgetWindow(list);
    std::vector<std::string> items;
    const auto count = SendMessageW(box, LB_GETCOUNT, 0, 0);
    for (WPARAM index = 0; static_cast<LRESULT>(index) < count; ++index) {
        std::wstring item(static_cast<std::size_t>(SendMessageW(box, LB_GETTEXTLEN, index, 0)) + 1,
                          L'\0');
        item.resize(static_cast<std::size_t>(
            SendMessageW(box, LB_GETTEXT, index, reinterpret_cast<LPARAM>(item.data()))));
        items.push_back(Utf8(item));
    }
    return items;
}

std::vector<std::string> TabCaptions(int panel) {
    const HWND tabs = GadgetWindow(panel);
    std::vector<std::string> captions;
    for (int tab = 0; tab < TabCtrl_GetItemCount(tabs); ++tab) {
        std::array<wchar_t, 256> caption{};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        item.cchTextMax = static_cast<int>(caption.size());
        SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item));
        captions.push_back(Utf8(caption.data()));
    }
    return captions;
}

bool IsShown(int gadget) {
    return ::IsWindowVisible(GadgetWindow(gadget)) != FALSE;
}

// A window in a disabled one takes no input either.
bool IsEnabled(int gadget) {
    for (HWND window = GadgetWindow(gadget); window != nullptr; window = GetParent(window)) {
        if (!IsWindowEnabled(window)) {
            return false;
        }
    }
    return true;
}

int CurrentTab(int panel) {
    return TabCtrl_GetCurSel(GadgetWindow(panel));
}

bool HasFocusOnTabRow(int panel) {
    return GetFocus() == GadgetWindow(panel) && GetFocus() != nullptr;
}

void ClearFocus(int window) {
    SetFocus(FormWindow(window));
}

namespace {

Rect GeometryWithin(int gadget, HWND container) {
    const HWND window = GadgetWindow(gadget);
    if (window == nullptr || container == nullptr || GetParent(window) != container) {
        return {-1, -1, -1, -1};
    }
    RECT place;
    GetWindowRect(window, &place);
    MapWindowPoints(nullptr, container, reinterpret_cast<POINT*>(&place), 2);
    return {place.left, place.top, place.right - place.left, place.bottom - place.top};
}

// A tab's data names its page.
HWND PageWindow(int panel, int page) {
    TCITEMW item{};
    item.mask = TCIF_PARAM;
    if (!SendMessageW(GadgetWindow(panel), TCM_GETITEMW, static_cast<WPARAM>(page),
                      reinterpret_cast<LPARAM>(&item))) {
        return nullptr;
    }
    return reinterpret_cast<HWND>(item.lParam);
}

// The colours the parent gives the control for painting its text, as the control asks them.
std::pair<COLORREF, COLORREF> PaintColours(HWND window) {
    const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    UINT message = WM_CTLCOLOREDIT;
    if (IsClass(window, L"ListBox")) {
        message = WM_CTLCOLORLISTBOX;
    } else if ((style & ES_READONLY) != 0 || !IsWindowEnabled(window)) {
        message = WM_CTLCOLORSTATIC;
    }
    const HDC context = CreateCompatibleDC(nullptr);
    SetBkColor(context, GetSysColor(COLOR_WINDOW));
    SetTextColor(context, GetSysColor(COLOR_WINDOWTEXT));
    SendMessageW(GetParent(window), message, reinterpret_cast<WPARAM>(context),
                 reinterpret_cast<LPARAM>(window));
    const std::pair colours{GetBkColor(context), GetTextColor(context)};
    DeleteDC(context);
    return colours;
}

CHARFORMAT2W DefaultFormat(HWND editor) {
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    SendMessageW(editor, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    return format;
}

// A rich edit control tells its font as the character format of its text, in twips.
LOGFONTW FontOf(int gadget) {
    const HWND window = GadgetWindow(gadget);
    LOGFONTW font{};
    if (!IsRichEdit(window)) {
        const auto shown = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
        GetObjectW(shown != nullptr ? shown : GetStockObject(SYSTEM_FONT), sizeof font, &font);
        return font;
    }
    constexpr int kTwipsPerInch = 1440;
    const CHARFORMAT2W format = DefaultFormat(window);
    const HDC screen = GetDC(nullptr);
    font.lfHeight = -MulDiv(format.yHeight, GetDeviceCaps(screen, LOGPIXELSY), kTwipsPerInch);
    ReleaseDC(nullptr, screen);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = format.bCharSet;
    font.lfPitchAndFamily = format.bPitchAndFamily;
    std::copy_n(format.szFaceName, LF_FACESIZE, font.lfFaceName);
    return font;
}

}  // namespace

Rect GeometryOnPage(int gadget, int panel, int page) {
    return GeometryWithin(gadget, PageWindow(panel, page));
}

Rect GeometryInWindow(int gadget, int window) {
    return GeometryWithin(gadget, FormWindow(window));
}

bool IsReadOnly(int gadget) {
    return toolkit::win32::IsReadOnly(GadgetWindow(gadget));
}

void SetReadOnly(int gadget, bool readOnly) {
    SendMessageW(GadgetWindow(gadget), EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

// The rich edit control tells its background only in exchange for a new one.
int BackgroundColour(int gadget) {
    const HWND window = GadgetWindow(gadget);
    if (!IsRichEdit(window)) {
        return static_cast<int>(PaintColours(window).first);
    }
    const auto colour =
        static_cast<COLORREF>(SendMessageW(window, EM_SETBKGNDCOLOR, 0, GetSysColor(COLOR_WINDOW)));
    SendMessageW(window, EM_SETBKGNDCOLOR, colour == GetSysColor(COLOR_WINDOW) ? 1 : 0,
                 static_cast<LPARAM>(colour));
    return static_cast<int>(colour);
}

int TextColour(int gadget) {
    const HWND window = GadgetWindow(gadget);
    if (!IsRichEdit(window)) {
        return static_cast<int>(PaintColours(window).second);
    }
    const CHARFORMAT2W format = DefaultFormat(window);
    return static_cast<int>((format.dwEffects & CFE_AUTOCOLOR) != 0 ? GetSysColor(COLOR_WINDOWTEXT)
                                                                    : format.crTextColor);
}

// The control paints its client area, inside its frame and scroll bars, into a bitmap of ours.
// The edge of that area is left out: Wine's rich edit control leaves it unpainted.
DrawnColours ColoursDrawn(int gadget) {
    constexpr LONG kMargin = 2;
    const HWND window = GadgetWindow(gadget);
    RECT client{};
    GetClientRect(window, &client);
    BITMAPINFO layout{};
    layout.bmiHeader.biSize = sizeof layout.bmiHeader;
    layout.bmiHeader.biWidth = client.right;
    layout.bmiHeader.biHeight = -client.bottom;
    layout.bmiHeader.biPlanes = 1;
    layout.bmiHeader.biBitCount = 32;
    layout.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HDC context = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateDIBSection(context, &layout, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::vector<int> pixels;
    if (bitmap != nullptr) {
        const HGDIOBJ old = SelectObject(context, bitmap);
        PrintWindow(window, context, PW_CLIENTONLY);
        GdiFlush();
        const auto* drawn = static_cast<const DWORD*>(bits);
        for (LONG y = kMargin; y < client.bottom - kMargin; ++y) {
            for (LONG x = kMargin; x < client.right - kMargin; ++x) {
                const DWORD pixel = drawn[y * client.right + x];
                pixels.push_back(
                    toolkit::RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF));
            }
        }
        SelectObject(context, old);
        DeleteObject(bitmap);
    }
    DeleteDC(context);
    return ColoursOfPixels(pixels);
}

TEXTMETRICW MetricsOf(const LOGFONTW& font) {
    const HDC context = CreateCompatibleDC(nullptr);
    const HFONT made = CreateFontIndirectW(&font);
    const HGDIOBJ old = SelectObject(context, made);
    TEXTMETRICW metrics{};
    GetTextMetricsW(context, &metrics);
    SelectObject(context, old);
    DeleteObject(made);
    DeleteDC(context);
    return metrics;
}

int FontPixelHeight(int gadget) {
    const LOGFONTW font = FontOf(gadget);
    if (font.lfHeight < 0) {
        return -font.lfHeight;
    }
    const TEXTMETRICW metrics = MetricsOf(font);
    return metrics.tmHeight - metrics.tmInternalLeading;
}

// TMPF_FIXED_PITCH is set for a variable-pitch font.
bool FontIsFixedPitch(int gadget) {
    return (MetricsOf(FontOf(gadget)).tmPitchAndFamily & TMPF_FIXED_PITCH) == 0;
}

// The window takes its icons from the program's icon group, resource 1, which holds every
// size Windows may ask for. The group is three WORDs, the last the count, then an entry of 14
// bytes for each icon that begins with its width, 0 for 256.
std::vector<int> WindowIconSizes(int window) {
    std::vector<int> sizes;
    const HRSRC group = FindResourceA(nullptr, MAKEINTRESOURCEA(1), RT_GROUP_ICON);
    if (SendMessageW(FormWindow(window), WM_GETICON, ICON_BIG, 0) == 0 || group == nullptr) {
        return sizes;
    }
    const auto* held = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, group)));
    for (int index = 0; index < held[4] + 256 * held[5]; ++index) {
        const BYTE width = held[6 + 14 * index];
        sizes.push_back(width == 0 ? 256 : width);
    }
    std::sort(sizes.begin(), sizes.end());
    return sizes;
}

Rect WindowClientArea(int window) {
    const HWND form = FormWindow(window);
    RECT outer;
    RECT client;
    GetWindowRect(form, &outer);
    GetClientRect(form, &client);
    return {outer.left, outer.top, client.right, client.bottom};
}

}  // namespace quillmoor::test
