#include "toolkit/win32/win32_platform.h"

#include <algorithm>
#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <string>

namespace quillmoor::toolkit {

namespace win32 {

namespace {

using SetDefaultDllDirectoriesCall = BOOL(WINAPI*)(DWORD);

// The file in the system folder by its full path; its own imports are then looked for beside it
// first, not beside the program.
HMODULE LoadFromSystemFolderByPath(const wchar_t* fileName) {
    const UINT size = GetSystemDirectoryW(nullptr, 0);
    if (size == 0) {
        return nullptr;
    }
    std::wstring path(size, L'\0');
    const UINT length = GetSystemDirectoryW(path.data(), size);
    if (length == 0 || length >= size) {
        return nullptr;
    }
    path.resize(length);
    path += L'\\';
    path += fileName;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

// From now on no library is looked for in the program's folder when loaded by name alone, by
// this program or by any DLL it uses; only the system folder is searched. Where Windows cannot
// do that (Windows 7 without update KB2533623), at least the current folder leaves the search.
void SearchSystemFolderOnly() {
    const auto setDefaultDirectories = LibraryCall<SetDefaultDllDirectoriesCall>(
        GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (setDefaultDirectories == nullptr || !setDefaultDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        SetDllDirectoryW(L"");
    }
}

bool IsUserInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK) || message == WM_CLOSE;
}

bool IsKeyPress(UINT message) {
    return message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
}

// The virtual-key code plus the toolkit's modifier bits. The keypad's Enter is VK_RETURN with
// the extended-key flag, and so the same code as the main Return key.
std::int32_t ShortcutOf(const MSG& keyPress) {
    auto shortcut = static_cast<std::int32_t>(keyPress.wParam);
    if (IsHeld(VK_SHIFT)) {
        shortcut |= kModShift;
    }
    if (IsHeld(VK_CONTROL)) {
        shortcut |= kModControl;
    }
    if (IsHeld(VK_MENU)) {
        shortcut |= kModAlt;
    }
    return shortcut;
}

// The control or form that a message to window concerns, 0 when none of the toolkit's.
NativeId ToolkitObjectOf(HWND window) {
    for (; window != nullptr; window = GetParent(window)) {
        if (Control::Of(window) != nullptr || IsForm(window)) {
            return reinterpret_cast<NativeId>(window);
        }
    }
    return 0;
}

void Deliver(MSG& message, Happenings& happenings) {
    if (IsUserInput(message.message)) {
        happenings.InputArrived();
    }
    if (IsKeyPress(message.message)) {
        const NativeId target = ToolkitObjectOf(message.hwnd);
        if (target != 0 && happenings.KeyPressed(target, ShortcutOf(message))) {
            return;
        }
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

// The dialog manager answers the marked letter alone, as the system's own box does.
constexpr wchar_t kYesCaption[] = L"&Ja";
constexpr wchar_t kNoCaption[] = L"&Nein";

HHOOK renamingHook = nullptr;

// The box is built before it is first activated; its buttons get their captions then, and the
// hook goes, so that no later window of the thread is touched.
LRESULT CALLBACK RenameButtons(int code, WPARAM wParam, LPARAM lParam) {
    const HHOOK hook = renamingHook;
    if (code == HCBT_ACTIVATE) {
        const auto box = reinterpret_cast<HWND>(wParam);
        SetDlgItemTextW(box, IDYES, kYesCaption);
        SetDlgItemTextW(box, IDNO, kNoCaption);
        UnhookWindowsHookEx(hook);
        renamingHook = nullptr;
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

// The system's message box, its buttons labelled as the form's own texts are, whatever
// language Windows speaks; modal for the thread's windows, owned by owner when it is not null.
Answer AskYesNoBox(HWND owner, const std::wstring& title, const std::wstring& text) {
    renamingHook = SetWindowsHookExW(WH_CBT, RenameButtons, nullptr, GetCurrentThreadId());
    const int answer = MessageBoxW(owner, text.c_str(), title.c_str(),
                                   MB_YESNO | MB_DEFBUTTON1 | MB_TASKMODAL | MB_SETFOREGROUND);
    if (renamingHook != nullptr) {
        UnhookWindowsHookEx(renamingHook);
        renamingHook = nullptr;
    }
    switch (answer) {
        case IDYES:
            return Answer::Yes;
        case IDNO:
            return Answer::No;
        default:
            return Answer::NotShown;
    }
}

HWND WindowOf(NativeId id) {
    return reinterpret_cast<HWND>(id);
}

NativeId IdOf(HWND window) {
    return reinterpret_cast<NativeId>(window);
}

// Each control of the form, parents before what they hold.
template <typename Action>
void ForEachControl(HWND form, Action action) {
    EnumChildWindows(
        form,
        [](HWND child, LPARAM data) -> BOOL {
            if (Control* control = Control::Of(child)) {
                (*reinterpret_cast<Action*>(data))(*control);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&action));
}

// The core's Platform over plain Win32: every window and widget is named by its HWND, every
// font by the ScaledFont kept here.
class Win32Platform final : public Platform, private FormListener {
public:
    explicit Win32Platform(Happenings& happenings)
        : happenings_(happenings),
          dialogFont_(ScaledFont::DialogFont()),
          systemFont_(ScaledFont::Stock(SYSTEM_FONT)) {}

    void DescribeProgram(const std::string& name, const std::string& iconResource) override;
    NativeId OpenWindow(Placement outer, const std::u16string& title) override;
    void CloseWindow(NativeId window) override;
    NativeId CreateGadget(NativeId parent, const GadgetRequest& request) override;
    void DestroyGadget(NativeId gadget) override { DestroyWindow(WindowOf(gadget)); }
    NativeId InsertTab(NativeId panel, int index, const std::u16string& caption) override {
        Control* tabs = ControlAt(panel);
        return tabs == nullptr ? 0 : IdOf(tabs->InsertTab(index, NativeText(caption)));
    }
    void ShowPage(NativeId page, bool shown) override { win32::ShowPage(WindowOf(page), shown); }
    bool InsertItem(NativeId list, int index, const std::u16string& text) override {
        Control* items = ControlAt(list);
        return items != nullptr && items->InsertItem(index, NativeText(text));
    }
    void RemoveItem(NativeId list, int index) override {
        if (Control* items = ControlAt(list)) {
            items->RemoveItem(index);
        }
    }
    void ClearSelection(NativeId list) override {
        if (Control* items = ControlAt(list)) {
            items->ClearSelection();
        }
    }
    void SetText(NativeId gadget, const std::u16string& text) override {
        if (Control* control = ControlAt(gadget)) {
            control->SetText(NativeText(text));
        }
    }
    std::u16string Text(NativeId gadget) const override {
        const Control* control = ControlAt(gadget);
        return control == nullptr ? std::u16string() : ToolkitText(control->Text());
    }
    bool ReadOnly(NativeId gadget) const override { return IsReadOnly(WindowOf(gadget)); }
    bool EditedSinceSet(NativeId editor) const override {
        const Control* control = ControlAt(editor);
        return control != nullptr && control->EditedSinceSet();
    }
    EditorView View(NativeId editor) const override {
        const Control* control = ControlAt(editor);
        return control == nullptr ? EditorView{} : control->View();
    }
    void SetView(NativeId editor, const EditorView& view) override {
        if (Control* control = ControlAt(editor)) {
            control->SetView(view);
        }
    }
    int State(NativeId gadget) const override {
        const Control* control = ControlAt(gadget);
        return control == nullptr ? 0 : control->State();
    }
    void SetAccessibleName(NativeId gadget, const std::u16string& name) override {
        if (Control* control = ControlAt(gadget)) {
            control->SetAccessibleName(NativeText(name));
        }
    }
    void SetColours(NativeId gadget, Colour text, Colour background) override {
        if (Control* control = ControlAt(gadget)) {
            control->SetColours(text, background);
        }
    }
    // Fields, lists and the editor alike draw their text in the window text colour.
    Colour DesktopTextColour(NativeId /*gadget*/) const override {
        return static_cast<Colour>(GetSysColor(COLOR_WINDOWTEXT));
    }
    bool HighContrastOn() const override { return win32::HighContrastOn(); }
    NativeId LoadFont(const std::u16string& family, int points) override;
    void ReleaseFont(NativeId font) override;
    void SetFont(NativeId gadget, FontChoice choice, NativeId loadedFont) override;
    void Focus(NativeId gadget, FocusCause cause) override {
        if (Control* control = ControlAt(gadget)) {
            control->TakeFocus(cause);
        }
    }
    NativeId FocusedObject() const override;
    int DragDistance() const override;
    Answer AskYesNo(const std::u16string& title, const std::u16string& text) override;
    void HandleInput(bool wait) override;

private:
    void CloseRequested(HWND form) override { happenings_.CloseRequested(IdOf(form)); }
    bool OuterSizeForDpi(HWND form, int dpi, SIZE& size) override;
    void DpiChanged(HWND form, int dpi, const RECT& suggested) override;
    void DesktopColoursChanged() override { happenings_.DesktopColoursChanged(); }

    static Control* ControlAt(NativeId gadget) { return Control::Of(WindowOf(gadget)); }

    Happenings& happenings_;
    ScaledFont dialogFont_;
    ScaledFont systemFont_;
    std::list<ScaledFont> fonts_;
    // Each form with the placement it was laid out for.
    std::map<HWND, Placement> forms_;
};

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
}

// The makers in the order of GadgetKind.
NativeId Win32Platform::CreateGadget(NativeId parent, const GadgetRequest& request) {
    using Maker = HWND (*)(HWND, const GadgetRequest&, Happenings&, ScaledFont&);
    constexpr Maker kMakers[] = {MakeTabPanel, MakeTextField, MakeCheckBox,
                                 MakeListBox,  MakeButton,    MakeEditor};
    return IdOf(kMakers[static_cast<std::size_t>(request.kind)](WindowOf(parent), request,
                                                                happenings_, dialogFont_));
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
    for (const auto& [form, layout] : forms_) {
        ForEachControl(form, [&](Control& control) {
            if (control.Shows(*released)) {
                control.SetFont(systemFont_);
            }
        });
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

NativeId Win32Platform::FocusedObject() const {
    const HWND focused = GetFocus();
    return Control::Of(focused) != nullptr || forms_.contains(focused) ? IdOf(focused) : 0;
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
    return AskYesNoBox(owner, NativeText(title), NativeText(text));
}

void Win32Platform::HandleInput(bool wait) {
    if (wait) {
        MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    DeliverPendingMessages(happenings_);
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
    ForEachControl(form, [dpi](Control& control) { control.PlaceForDpi(dpi); });
}

}  // namespace

HMODULE LoadSystemLibrary(const wchar_t* fileName) {
    if (const HMODULE library = LoadLibraryExW(fileName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        return library;
    }
    // Windows without the search flags refuses them as an invalid parameter.
    if (GetLastError() != ERROR_INVALID_PARAMETER) {
        return nullptr;
    }
    return LoadFromSystemFolderByPath(fileName);
}

void DeliverPendingMessages(Happenings& happenings) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        Deliver(message, happenings);
    }
}

}  // namespace win32

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

}  // namespace quillmoor::toolkit
