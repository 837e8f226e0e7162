#pragma once

// A font as the toolkit hands it out: one face and size, made as a GDI font for each screen
// density that a window showing it is on, so that a window moved to another monitor can show
// it at that monitor's density.

#include <map>
#include <optional>
#include <string>

#include "toolkit/win32/windows_api.h"

namespace quillmoor::toolkit::win32 {

class ScaledFont {
public:
    // size points of the family, normal weight, no style; nullopt when GDI cannot make it.
    static std::optional<ScaledFont> OfFamily(const std::wstring& family, int points);
    // The desktop's dialog font, at the size the desktop gives it.
    static ScaledFont DialogFont();
    // A stock font, the same at every density.
    static ScaledFont Stock(int stockObject);

    ScaledFont(ScaledFont&& other) noexcept;
    ScaledFont& operator=(ScaledFont&&) = delete;
    ScaledFont(const ScaledFont&) = delete;
    ScaledFont& operator=(const ScaledFont&) = delete;
    ~ScaledFont();

    HFONT At(int dpi);

private:
    ScaledFont(LOGFONTW description, int describedAtDpi, HFONT stock);

    LOGFONTW description_;
    int describedAtDpi_;
    HFONT stock_;
    std::map<int, HFONT> made_;
};

}  // namespace quillmoor::toolkit::win32
