// The fair yardstick for the Windows program's start-up: the main form's window and its nineteen
// controls built directly with Win32 and the common controls, as a Win32 programmer would write
// it: the same window classes, styles, texts, places and sizes at the window's density, the
// dialog font, "Courier" at 10 points and the pale yellow background on the five styled
// controls, the program's icon at the sizes of the window's density and the six captions shown
// whole by the program's rule, the pages in the tab control's texture. It carries the program's
// resources, so that the manifest chooses the same common controls and density awareness. Unlike
// the empty window it loads the common controls and the rich edit control, as the program does.

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

#include "bench/win32/painted_probe.h"
#include "bench/win32/program_icon.h"

// Must follow windows.h, which the probe's header brings.
#include <uxtheme.h>

namespace {

constexpr int kLayoutDpi = 96;
constexpr DWORD kFormStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kEditorStyle = WS_HSCROLL | WS_VSCROLL | ES_MULTILINE | ES_AUTOHSCROLL |
                               ES_AUTOVSCROLL | ES_NOHIDESEL | ES_WANTRETURN;
const auto kPaleYellow = static_cast<COLORREF>(quillmoor::toolkit::RGB(255, 255, 230));

using EnableTextureCall = HRESULT(WINAPI*)(HWND, DWORD);

enum class Kind { Caption, Field, Check, List, Button, Editor };

struct Row {
    int id;
    Kind kind;
    int x;
    int y;
    int width;
    int height;
    const wchar_t* text;
};

constexpr std::array kAllgemein{
    Row{1, Kind::Caption, 18, 18, 80, 20, L"Klassen-Name"},
    Row{2, Kind::Field, 98, 18, 420, 20, L"TestKlasse"},
    Row{3, Kind::Caption, 18, 58, 80, 20, L"Struktur-Name"},
    Row{4, Kind::Field, 98, 58, 420, 20, L"TestStruktur"},
    Row{5, Kind::Caption, 18, 98, 80, 20, L"Create Befehl"},
    Row{6, Kind::Field, 98, 98, 420, 20, L"New_TestKlasse()"},
    Row{7, Kind::Caption, 18, 138, 80, 20, L"VTABLE Name"},
    Row{8, Kind::Field, 98, 138, 420, 20, L"Test_Methoden"},
    Row{9, Kind::Check, 98, 178, 420, 20, L"TestObjekt erstellen"},
};
constexpr std::array kKlasse{
    Row{10, Kind::List, 18, 28, 160, 250, L""},
    Row{11, Kind::Caption, 18, 8, 160, 20, L"Methoden"},
    Row{12, Kind::Caption, 358, 8, 160, 20, L"Attribute"},
    Row{13, Kind::List, 358, 28, 160, 250, L""},
    Row{14, Kind::Field, 18, 278, 120, 20, L"Test.l(a,b)"},
    Row{15, Kind::Button, 138, 278, 40, 20, L"+"},
    Row{16, Kind::Field, 358, 278, 120, 20, L"ID.l"},
    Row{17, Kind::Button, 478, 278, 40, 20, L"+"},
};
constexpr Row kEditor{18, Kind::Editor, 18, 18, 500, 320, L""};
// The entry fields and the lists; the editor paints its own background.
constexpr std::array kStyledIds{10, 13, 14, 16};

HBRUSH paleYellow = nullptr;

bool IsStyled(HWND control) {
    const int id = GetDlgCtrlID(control);
    for (const int styled : kStyledIds) {
        if (id == styled) {
            return true;
        }
    }
    return false;
}

// The form and the pages colour the controls they hold. A page is a dialog window, whose default
// procedure paints it in the tab control's texture.
template <bool kPage>
LRESULT CALLBACK ContainerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if ((message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX) &&
        IsStyled(reinterpret_cast<HWND>(lParam))) {
        SetBkColor(reinterpret_cast<HDC>(wParam), kPaleYellow);
        return reinterpret_cast<LRESULT>(paleYellow);
    }
    return (kPage ? DefDlgProcW : DefWindowProcW)(window, message, wParam, lParam);
}

template <typename Call>
Call User32Call(const char* name) {
    return reinterpret_cast<Call>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

int TextWidth(HDC context, HFONT font, const std::wstring& text) {
    const HGDIOBJ previous = SelectObject(context, font);
    SIZE extent{};
    GetTextExtentPoint32W(context, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(context, previous);
    return extent.cx;
}

// An edit control scrolls its text once the caret behind the last character would stand on the
// right edge of its formatting rectangle.
bool Fits(HWND field, int textWidth) {
    RECT room{};
    SendMessageW(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
    return textWidth < room.right - room.left;
}

void KeepOnePixelMargins(HWND field, int dpi) {
    const auto margins = static_cast<DWORD>(SendMessageW(field, EM_GETMARGINS, 0, 0));
    const int kept = MulDiv(1, dpi, kLayoutDpi);
    SendMessageW(
        field, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
        MAKELPARAM(std::min<int>(LOWORD(margins), kept), std::min<int>(HIWORD(margins), kept)));
}

// The widest of the faces a pixel lower, or a pixel narrower at the same height, down to three
// quarters of the face, that shows the whole text; nullptr when none does.
HFONT WidestNarrowerFace(HWND field, HDC context, HFONT face, const std::wstring& text) {
    LOGFONTW description{};
    GetObjectW(face, sizeof description, &description);
    const HGDIOBJ previous = SelectObject(context, face);
    TEXTMETRICW metrics{};
    GetTextMetricsW(context, &metrics);
    SelectObject(context, previous);
    if (description.lfHeight == 0) {
        description.lfHeight = metrics.tmHeight;
    }
    const int height = std::abs(description.lfHeight);
    const int width = description.lfWidth != 0 ? std::abs(description.lfWidth)
                                               : static_cast<int>(metrics.tmAveCharWidth);
    HFONT best = nullptr;
    int bestWidth = -1;
    const auto tryFace = [&](const LOGFONTW& step) {
        const HFONT font = CreateFontIndirectW(&step);
        const int shown = TextWidth(context, font, text);
        if (shown > bestWidth && Fits(field, shown)) {
            DeleteObject(best);
            best = font;
            bestWidth = shown;
        } else {
            DeleteObject(font);
        }
    };
    for (int lower = height - 1; 4 * lower >= 3 * height; --lower) {
        LOGFONTW step = description;
        step.lfHeight = description.lfHeight < 0 ? -lower : lower;
        tryFace(step);
    }
    for (int slimmer = width - 1; 4 * slimmer >= 3 * width; --slimmer) {
        LOGFONTW step = description;
        step.lfWidth = slimmer;
        tryFace(step);
    }
    return best;
}

// As the program does, in its place and with its font: a caption that does not show its whole
// text keeps one pixel of margin on either side and, where that is not enough, takes the
// widest narrower face that shows it, kept for the window's life. A new font resets the margins.
void KeepCaptionWhole(HWND caption, const std::wstring& text, HFONT face, int dpi) {
    const HDC context = GetDC(caption);
    if (!Fits(caption, TextWidth(context, face, text))) {
        KeepOnePixelMargins(caption, dpi);
        if (!Fits(caption, TextWidth(context, face, text))) {
            if (const HFONT narrowed = WidestNarrowerFace(caption, context, face, text)) {
                SendMessageW(caption, WM_SETFONT, reinterpret_cast<WPARAM>(narrowed), FALSE);
                KeepOnePixelMargins(caption, dpi);
            }
        }
    }
    ReleaseDC(caption, context);
}

// The per-monitor calls came with Windows 10; before, the form keeps the system's density.
int DpiOf(HWND window) {
    const auto dpiForWindow = User32Call<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    const UINT dpi = dpiForWindow != nullptr ? dpiForWindow(window) : 0;
    return dpi != 0 ? static_cast<int>(dpi) : kLayoutDpi;
}

RECT OuterOf(RECT client, int dpi) {
    const auto adjustForDpi =
        User32Call<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    if (adjustForDpi != nullptr) {
        adjustForDpi(&client, kFormStyle, FALSE, 0, static_cast<UINT>(dpi));
    } else {
        AdjustWindowRectEx(&client, kFormStyle, FALSE, 0);
    }
    return client;
}

class Form {
public:
    explicit Form(HWND window) : window_(window), dpi_(DpiOf(window)) {
        LOGFONTW dialog{};
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof dialog, &dialog);
        const HDC screen = GetDC(nullptr);
        dialog.lfHeight = MulDiv(dialog.lfHeight, dpi_, GetDeviceCaps(screen, LOGPIXELSY));
        ReleaseDC(nullptr, screen);
        dialogFont_ = CreateFontIndirectW(&dialog);
        LOGFONTW courier{};
        courier.lfHeight = -MulDiv(10, dpi_, 72);
        courier.lfWeight = FW_NORMAL;
        courier.lfCharSet = DEFAULT_CHARSET;
        courier.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
        lstrcpyW(courier.lfFaceName, L"Courier");
        courierFont_ = CreateFontIndirectW(&courier);
    }

    // The client area of the main form at the window's density, and the outer frame around it.
    void Frame() const {
        const RECT outer = OuterOf(RECT{0, 0, Scaled(562), Scaled(391)}, dpi_);
        SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    void Build() {
        panel_ =
            CreateWindowExW(0, WC_TABCONTROLW, L"",
                            kChildStyle | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TCS_FOCUSONBUTTONDOWN,
                            Scaled(10), Scaled(10), Scaled(540), Scaled(370), window_, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
        SendMessageW(panel_, WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont_), FALSE);
        const HWND allgemein = AddPage(0, L"Allgemein");
        for (const Row& row : kAllgemein) {
            Add(allgemein, row);
        }
        const HWND klasse = AddPage(1, L"Klasse");
        for (const Row& row : kKlasse) {
            Add(klasse, row);
        }
        Add(AddPage(2, L"Output"), kEditor);
        ShowWindow(allgemein, SW_SHOW);
    }

private:
    int Scaled(int pixels) const { return MulDiv(pixels, dpi_, kLayoutDpi); }

    // Over the panel's display area; only the shown page takes input.
    HWND AddPage(int index, const wchar_t* caption) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(caption);
        SendMessageW(panel_, TCM_INSERTITEMW, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item));
        RECT area;
        GetClientRect(panel_, &area);
        TabCtrl_AdjustRect(panel_, FALSE, &area);
        const HWND page = CreateWindowExW(WS_EX_CONTROLPARENT, L"Win32FormPage", L"",
                                          WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, area.left,
                                          area.top, area.right - area.left, area.bottom - area.top,
                                          panel_, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (enableTexture_ != nullptr) {
            enableTexture_(page, ETDT_ENABLETAB);
        }
        return page;
    }

    void Add(HWND page, const Row& row) {
        const HWND control = Create(page, row);
        const bool styled = row.kind == Kind::Editor || IsStyled(control);
        SendMessageW(control, WM_SETFONT,
                     reinterpret_cast<WPARAM>(styled ? courierFont_ : dialogFont_), FALSE);
        if (row.kind == Kind::Caption || row.kind == Kind::Field) {
            SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
        }
        if (row.kind == Kind::Caption) {
            KeepCaptionWhole(control, row.text, dialogFont_, dpi_);
        } else if (row.kind == Kind::Editor) {
            SendMessageW(control, EM_SETTEXTMODE, TM_PLAINTEXT, 0);
            SendMessageW(control, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
            SendMessageW(control, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(kPaleYellow));
        }
    }

    HWND Create(HWND page, const Row& row) const {
        const wchar_t* windowClass = L"EDIT";
        DWORD style = 0;
        DWORD exStyle = WS_EX_CLIENTEDGE;
        switch (row.kind) {
            case Kind::Caption:
                style = ES_AUTOHSCROLL | ES_READONLY;
                break;
            case Kind::Field:
                style = ES_AUTOHSCROLL;
                break;
            case Kind::Check:
                windowClass = L"BUTTON";
                style = BS_AUTOCHECKBOX;
                exStyle = 0;
                break;
            case Kind::List:
                windowClass = L"LISTBOX";
                style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
                break;
            case Kind::Button:
                windowClass = L"BUTTON";
                style = BS_PUSHBUTTON;
                exStyle = 0;
                break;
            case Kind::Editor:
                windowClass = L"RichEdit20A";
                style = kEditorStyle;
                break;
        }
        return CreateWindowExW(exStyle, windowClass, row.text, kChildStyle | style, Scaled(row.x),
                               Scaled(row.y), Scaled(row.width), Scaled(row.height), page,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)),
                               GetModuleHandleW(nullptr), nullptr);
    }

    HWND window_;
    int dpi_;
    HFONT dialogFont_ = nullptr;
    HFONT courierFont_ = nullptr;
    HWND panel_ = nullptr;
    // uxtheme.dll is no known DLL: taken from the system's folder, as the program takes it.
    const HMODULE uxtheme_ = LoadLibraryExW(L"uxtheme.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    const EnableTextureCall enableTexture_ =
        uxtheme_ == nullptr ? nullptr
                            : reinterpret_cast<EnableTextureCall>(reinterpret_cast<void*>(
                                  GetProcAddress(uxtheme_, "EnableThemeDialogTexture")));
};

void RegisterClasses(HINSTANCE instance) {
    WNDCLASSEXW form{};
    form.cbSize = sizeof form;
    form.lpfnWndProc = ContainerProc<false>;
    form.hInstance = instance;
    form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    form.lpszClassName = L"Win32Form";
    RegisterClassExW(&form);
    WNDCLASSEXW page = form;
    page.lpfnWndProc = ContainerProc<true>;
    page.cbWndExtra = DLGWINDOWEXTRA;
    page.lpszClassName = L"Win32FormPage";
    RegisterClassExW(&page);
}

}  // namespace

int main() {
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    if (!InitCommonControlsEx(&controls) ||
        LoadLibraryExW(L"riched20.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32) == nullptr) {
        return 1;
    }
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterClasses(instance);
    paleYellow = CreateSolidBrush(kPaleYellow);
    const HWND window = CreateWindowExW(0, L"Win32Form", L"Quillmoor V.0.5 by Tovik", kFormStyle,
                                        552, 458, 0, 0, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    Form form(window);
    form.Frame();
    quillmoor::bench::GiveProgramIcon(window, DpiOf(window));
    form.Build();
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    quillmoor::bench::ReportPainted(window);
    DestroyWindow(window);
    return 0;
}
