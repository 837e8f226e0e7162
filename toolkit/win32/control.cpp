#include "toolkit/win32/control.h"

#include <utility>

#include "toolkit/win32/dpi.h"
#include "toolkit/win32/named_accessible.h"
#include "toolkit/win32/window_text.h"

namespace quillmoor::toolkit::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 1;
// Where a control's window keeps its Control, for the parent that hands on its notifications.
constexpr wchar_t kControlProperty[] = L"Quillmoor.Control";

}  // namespace

Control* ControlOf(HWND window) {
    return window == nullptr ? nullptr : static_cast<Control*>(GetPropW(window, kControlProperty));
}

Control::Control(HWND window, Placement placement, Happenings& happenings, ScaledFont& font)
    : window_(window), placement_(placement), happenings_(happenings), font_(&font) {
    SetPropW(window_, kControlProperty, this);
    SetWindowSubclass(window_, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

Control::~Control() {
    if (backgroundBrush_ != nullptr) {
        DeleteObject(backgroundBrush_);
    }
}

// The window lets go of its Control on its last message, whatever the kind does with the rest;
// a named control of any kind answers with its name.
LRESULT CALLBACK Control::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR /*id*/, DWORD_PTR control) {
    auto* self = reinterpret_cast<Control*>(control);
    if (message == WM_NCDESTROY) {
        RemovePropW(window, kControlProperty);
        RemoveWindowSubclass(window, SubclassProc, kSubclassId);
        return DefSubclassProc(window, message, wParam, lParam);
    }
    if (message == WM_GETOBJECT && !self->accessibleName_.empty()) {
        if (const LRESULT answer = AnswerWithName(window, wParam, lParam, self->accessibleName_)) {
            return answer;
        }
    }
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT Control::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(window_, message, wParam, lParam);
}

void Control::OnCommand(WORD /*code*/) {}

LRESULT Control::OnNotify(const NMHDR& /*header*/) {
    return 0;
}

// DefWindowProc has put the system's pair on the context and answered its brush: a colour of
// ours takes the place of its half of the pair, the brush going with the background.
LRESULT Control::AnswerColourRequest(HDC context, LRESULT defaultBrush) const {
    if (text_ != kDefaultColour) {
        SetTextColor(context, static_cast<COLORREF>(text_));
    }
    if (background_ == kDefaultColour) {
        return defaultBrush;
    }
    SetBkColor(context, static_cast<COLORREF>(background_));
    return reinterpret_cast<LRESULT>(backgroundBrush_);
}

void Control::SetText(const std::wstring& text) {
    SetWindowTextW(window_, text.c_str());
}

std::wstring Control::Text() const {
    return WindowText(window_);
}

int Control::State() const {
    return 0;
}

void Control::TakeFocus(FocusCause /*cause*/) {
    SetFocus(window_);
}

void Control::SetAccessibleName(std::wstring name) {
    accessibleName_ = std::move(name);
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window_, OBJID_CLIENT, CHILDID_SELF);
}

void Control::SetColour(ColourType type, Colour colour) {
    if (type == ColourType::Text) {
        text_ = colour;
    } else {
        background_ = colour;
    }
    ShowColour(type);
    InvalidateRect(window_, nullptr, TRUE);
}

void Control::ShowColour(ColourType changed) {
    if (changed != ColourType::Background) {
        return;
    }
    const HBRUSH replaced = backgroundBrush_;
    backgroundBrush_ = background_ != kDefaultColour
                           ? CreateSolidBrush(static_cast<COLORREF>(background_))
                           : nullptr;
    if (replaced != nullptr) {
        DeleteObject(replaced);
    }
}

void Control::SetFont(ScaledFont& font) {
    font_ = &font;
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_->At(DpiOfWindow(window_))),
                 TRUE);
}

void Control::PlaceForDpi(int dpi) {
    SetWindowPos(window_, nullptr, ScaledToDpi(placement_.x, dpi), ScaledToDpi(placement_.y, dpi),
                 ScaledToDpi(placement_.width, dpi), ScaledToDpi(placement_.height, dpi),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_->At(dpi)), TRUE);
}

}  // namespace quillmoor::toolkit::win32
