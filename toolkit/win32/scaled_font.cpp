#include "toolkit/win32/scaled_font.h"

#include "toolkit/win32/dpi.h"

namespace quillmoor::toolkit::win32 {

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
