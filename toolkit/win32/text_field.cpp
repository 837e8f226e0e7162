// A text field gadget: a one-line edit control that reports its changes and its focus. A
// read-only one is a caption: it shows its whole text where it can. One that cannot first gives
// up most of its inner margin, then shows its text in a narrower face, down to three quarters of
// its own; a text that still does not fit scrolls as in any field.

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "toolkit/win32/win32_platform.h"

namespace quillmoor::toolkit::win32 {

namespace {

// A caption keeps one pixel clear at either side, so that its text never touches the frame.
constexpr int kMarginKept = 1;

struct Fit {
    HFONT face = nullptr;      // the font the field was given
    HFONT narrowed = nullptr;  // made here, shown instead of the face while the face is too wide
    bool applying = false;     // the field hears the font and margins it is given here
    bool fontGiven = false;    // until then the field shows the system font
};

int TextWidth(HDC context, HFONT font, const std::wstring& text) {
    const HGDIOBJ previous = SelectObject(context, font);
    SIZE extent{};
    GetTextExtentPoint32W(context, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(context, previous);
    return extent.cx;
}

// The field scrolls its text as soon as the caret behind the last character would stand on
// the right edge of the formatting rectangle.
bool FitsRoom(HWND field, int textWidth) {
    RECT room{};
    SendMessageW(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
    return textWidth < room.right - room.left;
}

void TightenMargins(HWND field) {
    const auto margins = static_cast<DWORD>(SendMessageW(field, EM_GETMARGINS, 0, 0));
    const int kept = ScaledToDpi(kMarginKept, DpiOfWindow(field));
    const int left = std::min<int>(LOWORD(margins), kept);
    const int right = std::min<int>(HIWORD(margins), kept);
    SendMessageW(field, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(left, right));
}

// The face made lower, or narrower at its own height, by a pixel at a time down to three
// quarters; each is a step of its own, since the narrower widths are few at small sizes.
std::vector<LOGFONTW> NarrowerFaces(HDC context, HFONT face) {
    LOGFONTW description{};
    if (GetObjectW(face, sizeof description, &description) == 0) {
        return {};
    }
    const HGDIOBJ previous = SelectObject(context, face);
    TEXTMETRICW metrics{};
    GetTextMetricsW(context, &metrics);
    SelectObject(context, previous);
    if (description.lfHeight == 0) {
        description.lfHeight = metrics.tmHeight;
    }
    std::vector<LOGFONTW> narrower;
    const int height = std::abs(description.lfHeight);
    for (int lower = height - 1; 4 * lower >= 3 * height; --lower) {
        LOGFONTW step = description;
        step.lfHeight = description.lfHeight < 0 ? -lower : lower;
        narrower.push_back(step);
    }
    const int width = description.lfWidth != 0 ? std::abs(description.lfWidth)
                                               : static_cast<int>(metrics.tmAveCharWidth);
    for (int slimmer = width - 1; 4 * slimmer >= 3 * width; --slimmer) {
        LOGFONTW step = description;
        step.lfWidth = slimmer;
        narrower.push_back(step);
    }
    return narrower;
}

// The widest of the narrower faces that shows the whole text, or nullptr when none does.
HFONT NarrowestNeeded(HWND field, HDC context, HFONT face, const std::wstring& text) {
    HFONT best = nullptr;
    int bestWidth = -1;
    for (const LOGFONTW& step : NarrowerFaces(context, face)) {
        const HFONT font = CreateFontIndirectW(&step);
        if (font == nullptr) {
            continue;
        }
        const int width = TextWidth(context, font, text);
        if (width > bestWidth && FitsRoom(field, width)) {
            if (best != nullptr) {
                DeleteObject(best);
            }
            best = font;
            bestWidth = width;
        } else {
            DeleteObject(font);
        }
    }
    return best;
}

// Starts from the face and the margins the field chooses for it each time, so that a shorter
// text or a wider field gets them back. Giving the field a font resets its margins; a field
// that was just given its face shows them already.
void Refit(HWND field, Fit& fit, bool faceShown) {
    fit.applying = true;
    const HFONT face =
        fit.face != nullptr ? fit.face : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    if (!faceShown) {
        SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(fit.face), FALSE);
    }
    if (fit.narrowed != nullptr) {
        DeleteObject(fit.narrowed);
        fit.narrowed = nullptr;
    }
    const std::wstring text = WindowText(field);
    const HDC context = GetDC(field);
    if (!FitsRoom(field, TextWidth(context, face, text))) {
        TightenMargins(field);
        if (!FitsRoom(field, TextWidth(context, face, text))) {
            fit.narrowed = NarrowestNeeded(field, context, face, text);
        }
    }
    ReleaseDC(field, context);
    if (fit.narrowed != nullptr) {
        SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(fit.narrowed), FALSE);
        TightenMargins(field);
    }
    fit.applying = false;
    InvalidateRect(field, nullptr, TRUE);
}

class TextField final : public Control {
public:
    TextField(HWND window, Placement placement, Happenings& happenings, ScaledFont& font)
        : Control(window, placement, happenings, font),
          keptWhole_((GetWindowLongPtrW(window, GWL_STYLE) & ES_READONLY) != 0) {}
    ~TextField() override {
        if (fit_.narrowed != nullptr) {
            DeleteObject(fit_.narrowed);
        }
    }

    void OnCommand(WORD code) override {
        switch (code) {
            case EN_CHANGE:
                ToCore().TextChanged(Id());
                break;
            case EN_SETFOCUS:
                ToCore().FocusIn(Id());
                break;
            case EN_KILLFOCUS:
                ToCore().FocusOut(Id());
                break;
            default:
                break;
        }
    }

    // Reached by Tab, it selects its whole text, as dialog fields do.
    void TakeFocus(FocusCause cause) override {
        Control::TakeFocus(cause);
        if (cause != FocusCause::Program) {
            SendMessageW(Window(), EM_SETSEL, 0, -1);
        }
    }

private:
    // A caption is fitted again whenever its text, font or size changes; the fonts it makes for
    // that go with the field. Every control is given its font right after its place, so a
    // caption is first fitted then: a fit in the system font before it would be undone at once,
    // and each of its narrower faces costs a font made and measured.
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (!keptWhole_ || fit_.applying || (message != WM_SETFONT && !fit_.fontGiven)) {
            return Control::HandleMessage(message, wParam, lParam);
        }
        switch (message) {
            case WM_SETFONT:
                fit_.face = reinterpret_cast<HFONT>(wParam);
                fit_.fontGiven = true;
                [[fallthrough]];
            case WM_SETTEXT:
            case WM_SIZE: {
                const LRESULT result = Control::HandleMessage(message, wParam, lParam);
                Refit(Window(), fit_, message == WM_SETFONT);
                return result;
            }
            default:
                return Control::HandleMessage(message, wParam, lParam);
        }
    }

    const bool keptWhole_;
    Fit fit_;
};

}  // namespace

HWND MakeTextField(HWND parent, const GadgetRequest& request, Happenings& happenings,
                   ScaledFont& font) {
    const HWND field =
        CreateChild(parent, L"EDIT", ES_AUTOHSCROLL | (request.readOnly ? ES_READONLY : 0),
                    WS_EX_CLIENTEDGE, request.placement, NativeText(request.text));
    if (field != nullptr) {
        // 0 lifts the limit of 32767 characters to the largest the control can hold.
        SendMessageW(field, EM_SETLIMITTEXT, 0, 0);
    }
    return Made<TextField>(field, request, happenings, font);
}

}  // namespace quillmoor::toolkit::win32
