#include <utility>

#include "toolkit/win32/win32_platform.h"

namespace quillmoor::toolkit::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 1;
// Where a control's window keeps its Control: the one record of it, read by the window's own
// subclass and by the parent that hands on its notifications.
constexpr wchar_t kControlProperty[] = L"Quillmoor.Control";

}  // namespace

Control* Control::Of(HWND window) {
    return window == nullptr ? nullptr : static_cast<Control*>(GetPropW(window, kControlProperty));
}

HWND Control::Attach(std::unique_ptr<Control> control) {
    const HWND window = control->Window();
    if (!SetPropW(window, kControlProperty, control.get()) ||
        !SetWindowSubclass(window, SubclassProc, kSubclassId, 0)) {
        RemovePropW(window, kControlProperty);
        DestroyWindow(window);
        return nullptr;
    }
    control.release()->PlaceForDpi(DpiOfWindow(window));
    return window;
}

Control::Control(HWND window, Placement placement, Happenings& happenings, ScaledFont& font)
    : window_(window), placement_(placement), happenings_(happenings), font_(&font) {}

HWND CreateChild(HWND parent, const wchar_t* className, DWORD style, DWORD exStyle,
                 const std::wstring& text) {
    return CreateWindowExW(exStyle, className, text.c_str(),
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 0, 0, 0, 0, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

// The window takes its Control with it on its last message, whatever the kind does with the
// rest; a named control of any kind answers with its name.
LRESULT CALLBACK Control::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR /*id*/, DWORD_PTR /*data*/) {
    Control* self = Of(window);
    if (message == WM_NCDESTROY) {
        RemovePropW(window, kControlProperty);
        RemoveWindowSubclass(window, SubclassProc, kSubclassId);
        delete self;
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
// ours takes the place of its half of the pair. The context's own brush paints the background:
// it lives as long as the context, so no brush of ours needs to be kept and freed.
LRESULT Control::AnswerColourRequest(HDC context, LRESULT defaultBrush) const {
    if (text_ != kDefaultColour) {
        SetTextColor(context, static_cast<COLORREF>(text_));
    }
    if (background_ == kDefaultColour) {
        return defaultBrush;
    }
    SetBkColor(context, static_cast<COLORREF>(background_));
    SetDCBrushColor(context, static_cast<COLORREF>(background_));
    return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
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

bool Control::InsertItem(int /*index*/, const std::wstring& /*text*/) {
    return false;
}

void Control::RemoveItem(int /*index*/) {}

void Control::ClearSelection() {}

HWND Control::InsertTab(int /*index*/, const std::wstring& /*caption*/) {
    return nullptr;
}

bool Control::EditedSinceSet() const {
    return false;
}

Platform::EditorView Control::View() const {
    return {};
}

void Control::SetView(const Platform::EditorView& /*view*/) {}

void Control::SetAccessibleName(std::wstring name) {
    accessibleName_ = std::move(name);
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window_, OBJID_CLIENT, CHILDID_SELF);
}

void Control::SetColours(Colour text, Colour background) {
    text_ = text;
    background_ = background;
    ShowColours();
}

void Control::ShowColours() {
    InvalidateRect(window_, nullptr, TRUE);
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
