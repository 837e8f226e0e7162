// Densities: of the system, of each window and monitor, and the fonts made for each.

#include "toolkit/win32/win32_platform.h"

namespace quillmoor::toolkit::win32 {

namespace {

using DpiOfWindowCall = UINT(WINAPI*)(HWND);
using DpiOfMonitorCall = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using MetricForDpiCall = int(WINAPI*)(int, UINT);
using AdjustForDpiCall = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

// MDT_EFFECTIVE_DPI of shellscalingapi.h: the density the monitor's windows are scaled to.
constexpr int kEffectiveDpi = 0;

template <typename Call>
Call User32Call(const char* name) {
    return LibraryCall<Call>(GetModuleHandleW(L"user32.dll"), name);
}

}  // namespace

int SystemDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kLayoutDpi;
}

int DpiOfWindow(HWND window) {
    static const auto dpiOfWindow = User32Call<DpiOfWindowCall>("GetDpiForWindow");
    if (dpiOfWindow != nullptr) {
        if (const UINT dpi = dpiOfWindow(window); dpi != 0) {
            return static_cast<int>(dpi);
        }
    }
    return SystemDpi();
}

int DpiOfMonitorAt(const RECT& place) {
    static const auto dpiOfMonitor =
        LibraryCall<DpiOfMonitorCall>(LoadSystemLibrary(L"shcore.dll"), "GetDpiForMonitor");
    UINT dpiX = 0;
    UINT dpiY = 0;
    if (dpiOfMonitor != nullptr &&
        dpiOfMonitor(MonitorFromRect(&place, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &dpiX,
                     &dpiY) == S_OK &&
        dpiY != 0) {
        return static_cast<int>(dpiY);
    }
    return SystemDpi();
}

int SystemMetricAt(int metric, int dpi) {
    static const auto metricForDpi = User32Call<MetricForDpiCall>("GetSystemMetricsForDpi");
    return metricForDpi != nullptr ? metricForDpi(metric, static_cast<UINT>(dpi))
                                   : GetSystemMetrics(metric);
}

RECT OuterRectOf(RECT client, DWORD style, DWORD exStyle, int dpi) {
    static const auto adjustForDpi = User32Call<AdjustForDpiCall>("AdjustWindowRectExForDpi");
    if (adjustForDpi != nullptr) {
        adjustForDpi(&client, style, FALSE, exStyle, static_cast<UINT>(dpi));
    } else {
        AdjustWindowRectEx(&client, style, FALSE, exStyle);
    }
    return client;
}

namespace {

constexpr int kPointsPerInch = 72;

// GDI follows this hint only where the system lacks the face: a stand-in for a typewriter face
// then keeps its columns.
BYTE PitchAndFamilyOf(const std::wstring& family) {
    for (const wchar_t* fixed : {L"Courier", L"Courier New", L"Lucida Console", L"Consolas"}) {
        if (lstrcmpiW(family.c_str(), fixed) == 0) {
            return FIXED_PITCH | FF_MODERN;
        }
    }
    return DEFAULT_PITCH | FF_DONTCARE;
}

}  // namespace

ScaledFont::ScaledFont(LOGFONTW description, int describedAtDpi, HFONT stock)
    : description_(description), describedAtDpi_(describedAtDpi), stock_(stock) {}

ScaledFont::ScaledFont(ScaledFont&& other) noexcept
    : description_(other.description_),
      describedAtDpi_(other.describedAtDpi_),
      stock_(other.stock_),
      made_(std::move(other.made_)) {
    other.made_.clear();
}

ScaledFont::~ScaledFont() {
    for (const auto& [dpi, font] : made_) {
        DeleteObject(font);
    }
}

// Described as a negative height in points at 72 dpi, so that At() gives GDI the character
// height without the internal leading: size x dpi / 72 pixels.
std::optional<ScaledFont> ScaledFont::OfFamily(const std::wstring& family, int points) {
    LOGFONTW description{};
    if (family.size() >= LF_FACESIZE) {
        return std::nullopt;
    }
    description.lfHeight = -points;
    description.lfWeight = FW_NORMAL;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = PitchAndFamilyOf(family);
    family.copy(description.lfFaceName, family.size());
    ScaledFont font(description, kPointsPerInch, nullptr);
    if (font.At(kLayoutDpi) == nullptr) {
        return std::nullopt;
    }
    return font;
}

ScaledFont ScaledFont::DialogFont() {
    LOGFONTW description{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof description, &description);
    return ScaledFont(description, SystemDpi(), nullptr);
}

ScaledFont ScaledFont::Stock(int stockObject) {
    return ScaledFont({}, kLayoutDpi, static_cast<HFONT>(GetStockObject(stockObject)));
}

HFONT ScaledFont::At(int dpi) {
    if (stock_ != nullptr) {
        return stock_;
    }
    if (const auto found = made_.find(dpi); found != made_.end()) {
        return found->second;
    }
    LOGFONTW scaled = description_;
    scaled.lfHeight = MulDiv(description_.lfHeight, dpi, describedAtDpi_);
    const HFONT font = CreateFontIndirectW(&scaled);
    if (font != nullptr) {
        made_.emplace(dpi, font);
    }
    return font;
}

}  // namespace quillmoor::toolkit::win32
