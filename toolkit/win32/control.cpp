#include <unordered_map>
#include <utility>

#include "toolkit/win32/win32_platform.h"

namespace quillmoor::toolkit::win32 {

namespace {

// Each control's window with its Control: the one record of it, read by the window's own
// procedure on every message and by the parent that hands on its notifications. Kept here, not
// on the window: a window property costs Wine a round trip to its server on every read, and
// GWLP_USERDATA is no mark of ours, as Of is asked about forms (which keep their listener there)
// and about windows the toolkit did not make.
std::unordered_map<HWND, Control*>& Controls() {
    static std::unordered_map<HWND, Control*> controls;
    return controls;
}

}  // namespace

Control* Control::Of(HWND window) {
    const auto found = Controls().find(window);
    return found == Controls().end() ? nullptr : found->second;
}

// Set through SetWindowLongPtrW, the procedure takes every message before the control's own and
// hands it on with CallWindowProcW. The window becomes Unicode: messages arrive here in UTF-16,
// and CallWindowProcW converts them for a control whose own procedure is ANSI.
HWND Control::Attach(std::unique_ptr<Control> control) {
    const HWND window = control->Window();
    Controls().emplace(window, control.get());
    control->previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc)));
    if (control->previous_ == nullptr) {
        Controls().erase(window);
        DestroyWindow(window);
        return nullptr;
    }
    // Not yet painted: the font needs no repaint of its own.
    SendMessageW(window, WM_SETFONT,
                 reinterpret_cast<WPARAM>(control.release()->font_->At(DpiOfWindow(window))),
                 FALSE);
    return window;
}

Control::Control(HWND window, Placement placement, Happenings& happenings, ScaledFont& font)
    : window_(window), placement_(placement), happenings_(happenings), font_(&font) {}

// Made in its place, not moved there afterwards: under Wine every move of a shown window is a
// round trip to its server and a repaint.
HWND CreateChild(HWND parent, const wchar_t* className, DWORD style, DWORD exStyle,
                 Placement placement, const std::wstring& text) {
    const int dpi = DpiOfWindow(parent);
    return CreateWindowExW(exStyle, className, text.c_str(),
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | style,
                           ScaledToDpi(placement.x, dpi), ScaledToDpi(placement.y, dpi),
                           ScaledToDpi(placement.width, dpi), ScaledToDpi(placement.height, dpi),
                           parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// The window takes its Control with it on its last message, whatever the kind does with the
// rest; a named control of any kind answers with its name. WM_NCDESTROY is the last message a
// window gets: the Control lives until the window's own procedure has handled it, so that
// whatever that sends the window meanwhile still finds it, and nothing reaches it after.
LRESULT CALLBACK Control::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Control* self = Of(window);
    if (message == WM_NCDESTROY) {
        const LRESULT result = self->HandleMessage(message, wParam, lParam);
        Controls().erase(window);
        delete self;
        return result;
    }
    if (message == WM_GETOBJECT && !self->accessibleName_.empty()) {
        if (const LRESULT answer = AnswerWithName(window, wParam, lParam, self->accessibleName_)) {
            return answer;
        }
    }
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT Control::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(previous_, window_, message, wParam, lParam);
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
