#include "toolkit/win32/win32_platform.h"

#include <algorithm>

#include "toolkit/win32/control_factory.h"
#include "toolkit/win32/dpi.h"
#include "toolkit/win32/editor.h"
#include "toolkit/win32/form_frame.h"
#include "toolkit/win32/high_contrast.h"
#include "toolkit/win32/input_messages.h"
#include "toolkit/win32/list_box.h"
#include "toolkit/win32/system_library.h"
#include "toolkit/win32/tab_panel.h"
#include "toolkit/win32/wide_text.h"
#include "toolkit/win32/window_text.h"
#include "toolkit/win32/yes_no_box.h"

namespace quillmoor::toolkit {

std::unique_ptr<Platform> StartPlatform(Happenings& happenings, std::string& failure) {
    win32::SearchSystemFolderOnly();
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

HWND WindowOf(NativeId id) {
    return reinterpret_cast<HWND>(id);
}

NativeId IdOf(HWND window) {
    return reinterpret_cast<NativeId>(window);
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
    const RECT frame = FirstFrameOf(outer);
    const HWND form = CreateForm(NativeText(title).c_str(), frame, *this);
    if (form == nullptr) {
        return 0;
    }
    forms_.emplace(form, outer);
    FrameForm(form, outer, {frame.left, frame.top}, DpiOfWindow(form));
    GiveProgramIcon(form, DpiOfWindow(form));
    ShowWindow(form, SW_SHOWNORMAL);
    UpdateWindow(form);
    SetForegroundWindow(form);
    // The form itself holds the focus until the user or the caller picks a gadget.
    SetFocus(form);
    return IdOf(form);
}

void Win32Platform::CloseWindow(NativeId window) {
    forms_.erase(WindowOf(window));
    TakeProgramIcon(WindowOf(window));
    DestroyWindow(WindowOf(window));
    ForgetDestroyed();
}

NativeId Win32Platform::CreateGadget(NativeId parent, const GadgetRequest& request) {
    std::unique_ptr<Control> control =
        MakeControl(WindowOf(parent), request, happenings_, dialogFont_);
    if (control == nullptr) {
        return 0;
    }
    const HWND window = control->Window();
    controls_[window] = std::move(control);
    return IdOf(window);
}

void Win32Platform::DestroyGadget(NativeId gadget) {
    DestroyWindow(WindowOf(gadget));
    ForgetDestroyed();
}

NativeId Win32Platform::InsertTab(NativeId panel, int index, const std::u16string& caption) {
    auto* tabs = ControlAt<TabPanel>(panel);
    return tabs == nullptr ? 0 : IdOf(tabs->InsertTab(index, NativeText(caption)));
}

void Win32Platform::ShowPage(NativeId page, bool shown) {
    win32::ShowPage(WindowOf(page), shown);
}

bool Win32Platform::InsertItem(NativeId list, int index, const std::u16string& text) {
    auto* items = ControlAt<ListBox>(list);
    return items != nullptr && items->InsertItem(index, NativeText(text));
}

void Win32Platform::RemoveItem(NativeId list, int index) {
    if (auto* items = ControlAt<ListBox>(list)) {
        items->RemoveItem(index);
    }
}

void Win32Platform::ClearSelection(NativeId list) {
    if (auto* items = ControlAt<ListBox>(list)) {
        items->ClearSelection();
    }
}

void Win32Platform::SetText(NativeId gadget, const std::u16string& text) {
    if (Control* control = ControlAt<Control>(gadget)) {
        control->SetText(NativeText(text));
    }
}

std::u16string Win32Platform::Text(NativeId gadget) const {
    const Control* control = ControlAt<Control>(gadget);
    return control == nullptr ? std::u16string() : ToolkitText(control->Text());
}

bool Win32Platform::ReadOnly(NativeId gadget) const {
    return IsReadOnly(WindowOf(gadget));
}

bool Win32Platform::EditedSinceSet(NativeId editor) const {
    const auto* control = ControlAt<Editor>(editor);
    return control != nullptr && control->EditedSinceSet();
}

Platform::EditorView Win32Platform::View(NativeId editor) const {
    const auto* control = ControlAt<Editor>(editor);
    return control == nullptr ? EditorView{} : control->View();
}

void Win32Platform::SetView(NativeId editor, const EditorView& view) {
    if (auto* control = ControlAt<Editor>(editor)) {
        control->SetView(view);
    }
}

int Win32Platform::State(NativeId gadget) const {
    const Control* control = ControlAt<Control>(gadget);
    return control == nullptr ? 0 : control->State();
}

void Win32Platform::SetAccessibleName(NativeId gadget, const std::u16string& name) {
    if (Control* control = ControlAt<Control>(gadget)) {
        control->SetAccessibleName(NativeText(name));
    }
}

void Win32Platform::SetColour(NativeId gadget, ColourType type, Colour colour) {
    if (Control* control = ControlAt<Control>(gadget)) {
        control->SetColour(type, colour);
    }
}

// Fields, lists and the editor alike draw their text in the window text colour.
Colour Win32Platform::DesktopTextColour(NativeId /*gadget*/) const {
    return static_cast<Colour>(GetSysColor(COLOR_WINDOWTEXT));
}

bool Win32Platform::HighContrastOn() const {
    return win32::HighContrastOn();
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
    Control* control = ControlAt<Control>(gadget);
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

void Win32Platform::Focus(NativeId gadget, FocusCause cause) {
    if (Control* control = ControlAt<Control>(gadget)) {
        control->TakeFocus(cause);
    }
}

NativeId Win32Platform::FocusedObject() const {
    const HWND focused = GetFocus();
    return controls_.contains(focused) || forms_.contains(focused) ? IdOf(focused) : 0;
}

// At the density of the form the user works in.
int Win32Platform::DragDistance() const {
    const HWND foreground = GetForegroundWindow();
    const int dpi = forms_.contains(foreground) ? DpiOfWindow(foreground) : SystemDpi();
    return std::max(SystemMetricAt(SM_CXDRAG, dpi), SystemMetricAt(SM_CYDRAG, dpi));
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

bool Win32Platform::OuterSizeForDpi(HWND form, int dpi, SIZE& size) {
    const auto found = forms_.find(form);
    if (found == forms_.end()) {
        return false;
    }
    size = OuterSizeAt(found->second, dpi);
    return true;
}

// The suggested place, but the size the layout takes at the new density.
void Win32Platform::DpiChanged(HWND form, int dpi, const RECT& suggested) {
    if (const auto found = forms_.find(form); found != forms_.end()) {
        FrameForm(form, found->second, {suggested.left, suggested.top}, dpi);
        GiveProgramIcon(form, dpi);
    } else {
        SetWindowPos(form, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (const auto& [window, control] : controls_) {
        if (GetAncestor(window, GA_ROOT) == form) {
            control->PlaceForDpi(dpi);
        }
    }
}

void Win32Platform::DesktopColoursChanged() {
    happenings_.DesktopColoursChanged();
}

void Win32Platform::ForgetDestroyed() {
    std::erase_if(controls_, [](const auto& entry) { return IsWindow(entry.first) == FALSE; });
}

}  // namespace win32

}  // namespace quillmoor::toolkit
