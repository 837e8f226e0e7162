#include "toolkit/win32/win32_platform.h"

#include <algorithm>
#include <vector>

#include "toolkit/win32/caption_fit.h"
#include "toolkit/win32/dpi.h"
#include "toolkit/win32/form_frame.h"
#include "toolkit/win32/input_messages.h"
#include "toolkit/win32/rich_edit.h"
#include "toolkit/win32/wide_text.h"
#include "toolkit/win32/window_text.h"
#include "toolkit/win32/yes_no_box.h"

namespace quillmoor::toolkit {

std::unique_ptr<Platform> StartPlatform(Happenings& happenings, std::string& failure) {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    if (!InitCommonControlsEx(&controls)) {
        failure = "the common controls could not be initialised";
        return nullptr;
    }
    return std::make_unique<win32::Win32Platform>(happenings);
}

namespace win32 {

namespace {

constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

HWND WindowOf(NativeId id) {
    return reinterpret_cast<HWND>(id);
}

NativeId IdOf(HWND window) {
    return reinterpret_cast<NativeId>(window);
}

HWND CreateChild(HWND parent, const wchar_t* className, DWORD style, DWORD exStyle,
                 const std::wstring& text = {}) {
    return CreateWindowExW(exStyle, className, text.c_str(), kChildStyle | style, 0, 0, 0, 0,
                           parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

HWND CreateNative(HWND parent, const GadgetRequest& request) {
    const std::wstring text = NativeText(request.text);
    switch (request.kind) {
        case GadgetKind::Panel:
            return CreateChild(parent, WC_TABCONTROLW,
                               WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TCS_FOCUSONBUTTONDOWN, 0);
        case GadgetKind::Text: {
            const HWND field =
                CreateChild(parent, L"EDIT", ES_AUTOHSCROLL | (request.readOnly ? ES_READONLY : 0),
                            WS_EX_CLIENTEDGE, text);
            // 0 lifts the limit of 32767 characters to the largest the control can hold.
            SendMessageW(field, EM_SETLIMITTEXT, 0, 0);
            KeepCaptionWhole(field);
            return field;
        }
        case GadgetKind::Check:
            return CreateChild(parent, L"BUTTON", BS_AUTOCHECKBOX, 0, text);
        case GadgetKind::List:
            return CreateChild(parent, L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL,
                               WS_EX_CLIENTEDGE);
        case GadgetKind::Button:
            return CreateChild(parent, L"BUTTON", BS_PUSHBUTTON, 0, text);
        case GadgetKind::Editor:
            return CreateRichEdit(parent, {kRichEditClasses[0], kRichEditClasses[1]});
    }
    return nullptr;
}

// The inside of the panel's frame below the row of tabs, in the panel's client pixels.
RECT DisplayAreaOf(HWND panel) {
    RECT area;
    GetClientRect(panel, &area);
    TabCtrl_AdjustRect(panel, FALSE, &area);
    return area;
}

void FitToDisplayArea(HWND page) {
    const RECT area = DisplayAreaOf(GetParent(page));
    SetWindowPos(page, HWND_TOP, area.left, area.top, area.right - area.left,
                 area.bottom - area.top, SWP_NOACTIVATE);
}

}  // namespace

Win32Platform::Win32Platform(Happenings& happenings)
    : happenings_(happenings),
      dialogFont_(ScaledFont::DialogFont()),
      systemFont_(ScaledFont::Stock(SYSTEM_FONT)) {}

// The icon is the executable's own resource; Windows lists a program by its executable.
void Win32Platform::DescribeProgram(const std::string& /*name*/,
                                    const std::string& /*iconResource*/) {}

NativeId Win32Platform::OpenWindow(Placement outer, const std::u16string& title) {
    const HWND form = CreateForm(NativeText(title).c_str(), *this);
    if (form == nullptr) {
        return 0;
    }
    forms_.insert(form);
    FrameForm(form, outer);
    GiveProgramIcon(form);
    ShowWindow(form, SW_SHOWNORMAL);
    UpdateWindow(form);
    SetForegroundWindow(form);
    // The form itself holds the focus until the user or the caller picks a gadget.
    SetFocus(form);
    return IdOf(form);
}

void Win32Platform::CloseWindow(NativeId window) {
    forms_.erase(WindowOf(window));
    DestroyWindow(WindowOf(window));
    ForgetDestroyed();
}

NativeId Win32Platform::CreateGadget(NativeId parent, const GadgetRequest& request) {
    const HWND window = CreateNative(WindowOf(parent), request);
    if (window == nullptr) {
        return 0;
    }
    auto control = std::make_unique<Control>(window, request.kind, request.placement, happenings_,
                                             dialogFont_);
    control->Lay(DpiOfWindow(window));
    controls_[window] = std::move(control);
    return IdOf(window);
}

void Win32Platform::DestroyGadget(NativeId gadget) {
    DestroyWindow(WindowOf(gadget));
    ForgetDestroyed();
}

NativeId Win32Platform::InsertTab(NativeId panel, int index, const std::u16string& caption) {
    const HWND tabs = WindowOf(panel);
    const HWND page = CreatePage(tabs);
    if (page == nullptr) {
        return 0;
    }
    // The tab's own data names its page.
    std::wstring text = NativeText(caption);
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = text.data();
    item.lParam = reinterpret_cast<LPARAM>(page);
    if (SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item)) < 0) {
        DestroyWindow(page);
        return 0;
    }
    if (TabCtrl_GetCurSel(tabs) < 0) {
        TabCtrl_SetCurSel(tabs, 0);
    }
    return IdOf(page);
}

void Win32Platform::ShowPage(NativeId page, bool shown) {
    const HWND window = WindowOf(page);
    if (window == nullptr) {
        return;
    }
    if (shown) {
        FitToDisplayArea(window);
        EnableWindow(window, TRUE);
        ShowWindow(window, SW_SHOW);
    } else {
        ShowWindow(window, SW_HIDE);
        EnableWindow(window, FALSE);
    }
}

void Win32Platform::InsertItem(NativeId list, int index, const std::u16string& text) {
    const std::wstring item = NativeText(text);
    SendMessageW(WindowOf(list), LB_INSERTSTRING, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(item.c_str()));
}

void Win32Platform::RemoveItem(NativeId list, int index) {
    SendMessageW(WindowOf(list), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

int Win32Platform::ItemCount(NativeId list) const {
    return static_cast<int>(SendMessageW(WindowOf(list), LB_GETCOUNT, 0, 0));
}

std::u16string Win32Platform::ItemText(NativeId list, int index) const {
    const auto length = SendMessageW(WindowOf(list), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0) {
        return {};
    }
    std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
    item.resize(static_cast<std::size_t>(SendMessageW(WindowOf(list), LB_GETTEXT,
                                                      static_cast<WPARAM>(index),
                                                      reinterpret_cast<LPARAM>(item.data()))));
    return ToolkitText(item);
}

void Win32Platform::ClearSelection(NativeId list) {
    SendMessageW(WindowOf(list), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

void Win32Platform::SetText(NativeId gadget, const std::u16string& text) {
    const Control* control = ControlAt(gadget);
    if (control == nullptr) {
        return;
    }
    if (control->Kind() == GadgetKind::Editor) {
        SetRichEditText(control->Window(), NativeText(text));
    } else {
        SetWindowTextW(control->Window(), NativeText(text).c_str());
    }
}

std::u16string Win32Platform::Text(NativeId gadget) const {
    const Control* control = ControlAt(gadget);
    if (control == nullptr) {
        return {};
    }
    return ToolkitText(control->Kind() == GadgetKind::Editor ? RichEditText(control->Window())
                                                             : WindowText(control->Window()));
}

bool Win32Platform::ReadOnly(NativeId gadget) const {
    return (GetWindowLongW(WindowOf(gadget), GWL_STYLE) & ES_READONLY) != 0;
}

bool Win32Platform::EditedSinceSet(NativeId editor) const {
    return SendMessageW(WindowOf(editor), EM_GETMODIFY, 0, 0) != 0;
}

int Win32Platform::State(NativeId gadget) const {
    const Control* control = ControlAt(gadget);
    if (control == nullptr) {
        return 0;
    }
    if (control->Kind() == GadgetKind::Check) {
        return SendMessageW(control->Window(), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    }
    if (control->Kind() == GadgetKind::List) {
        return static_cast<int>(SendMessageW(control->Window(), LB_GETCURSEL, 0, 0));
    }
    return 0;
}

void Win32Platform::SetColour(NativeId gadget, ColourType type, Colour colour) {
    if (Control* control = ControlAt(gadget)) {
        control->SetColour(type, colour);
    }
}

NativeId Win32Platform::LoadFont(const std::u16string& family, int points) {
    std::optional<ScaledFont> font = ScaledFont::OfFamily(NativeText(family), points);
    if (!font) {
        return 0;
    }
    fonts_.push_back(std::move(*font));
    return reinterpret_cast<NativeId>(&fonts_.back());
}

// A control keeps showing what it showed: Windows falls back to the system font for a font
// that is gone.
void Win32Platform::ReleaseFont(NativeId font) {
    const auto* released = reinterpret_cast<const ScaledFont*>(font);
    for (const auto& [window, control] : controls_) {
        if (control->Shows(*released)) {
            control->SetFont(systemFont_);
        }
    }
    fonts_.remove_if([released](const ScaledFont& held) { return &held == released; });
}

void Win32Platform::SetFont(NativeId gadget, FontChoice choice, NativeId loadedFont) {
    Control* control = ControlAt(gadget);
    if (control == nullptr) {
        return;
    }
    switch (choice) {
        case FontChoice::Loaded:
            control->SetFont(*reinterpret_cast<ScaledFont*>(loadedFont));
            break;
        case FontChoice::DefaultWidgetFont:
            control->SetFont(dialogFont_);
            break;
        case FontChoice::PlainSystemFont:
            control->SetFont(systemFont_);
            break;
    }
}

// A field reached by Tab selects its whole text, as dialog fields do.
void Win32Platform::Focus(NativeId gadget, FocusCause cause) {
    const Control* control = ControlAt(gadget);
    if (control == nullptr) {
        return;
    }
    SetFocus(control->Window());
    if (cause != FocusCause::Program && control->Kind() == GadgetKind::Text) {
        SendMessageW(control->Window(), EM_SETSEL, 0, -1);
    }
}

NativeId Win32Platform::FocusedObject() const {
    const HWND focused = GetFocus();
    return controls_.contains(focused) || forms_.contains(focused) ? IdOf(focused) : 0;
}

int Win32Platform::DragDistance() const {
    return std::max(GetSystemMetrics(SM_CXDRAG), GetSystemMetrics(SM_CYDRAG));
}

Answer Win32Platform::AskYesNo(const std::u16string& title, const std::u16string& text) {
    const HWND foreground = GetForegroundWindow();
    const HWND owner = forms_.contains(foreground) ? foreground : nullptr;
    return win32::AskYesNo(owner, NativeText(title), NativeText(text));
}

void Win32Platform::HandleInput(bool wait) {
    if (wait) {
        MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    DeliverPendingMessages(happenings_);
}

void Win32Platform::CloseRequested(HWND form) {
    happenings_.CloseRequested(IdOf(form));
}

void Win32Platform::DpiChanged(HWND form, int dpi, const RECT& suggested) {
    SetWindowPos(form, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    for (const auto& [window, control] : controls_) {
        if (GetAncestor(window, GA_ROOT) == form) {
            control->Lay(dpi);
        }
    }
    for (const auto& [window, control] : controls_) {
        if (GetAncestor(window, GA_ROOT) != form || control->Kind() != GadgetKind::Panel) {
            continue;
        }
        // A page fitted comes to the top: fitting them last to first keeps their order.
        std::vector<HWND> pages;
        for (HWND page = GetWindow(window, GW_CHILD); page != nullptr;
             page = GetWindow(page, GW_HWNDNEXT)) {
            pages.push_back(page);
        }
        std::for_each(pages.rbegin(), pages.rend(), FitToDisplayArea);
    }
}

Control* Win32Platform::ControlAt(NativeId gadget) const {
    const auto found = controls_.find(WindowOf(gadget));
    return found == controls_.end() ? nullptr : found->second.get();
}

void Win32Platform::ForgetDestroyed() {
    std::erase_if(controls_, [](const auto& entry) { return IsWindow(entry.first) == FALSE; });
}

}  // namespace win32

}  // namespace quillmoor::toolkit
