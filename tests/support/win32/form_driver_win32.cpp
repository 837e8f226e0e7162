// The form driver over Win32: input posted as the window messages the system itself sends and
// handled by the toolkit's own message loop, read-back from the native controls.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <utility>

#include "tests/support/form_driver.h"
#include "toolkit/core/running_core.h"
#include "toolkit/win32/input_messages.h"
#include "toolkit/win32/rich_edit.h"
#include "toolkit/win32/window_text.h"
#include "toolkit/win32/windows_api.h"

namespace quillmoor::test {

using toolkit::win32::ClassName;
using toolkit::win32::WindowText;

namespace {

HWND GadgetWindow(int gadget) {
    toolkit::Core* core = toolkit::RunningCore();
    return core == nullptr ? nullptr : reinterpret_cast<HWND>(core->GadgetNative(gadget));
}

HWND FormWindow(int window) {
    return reinterpret_cast<HWND>(toolkit::WindowHandle(window));
}

// What the user's input would be handled by: the toolkit's loop.
void HandlePendingInput() {
    if (toolkit::Core* core = toolkit::RunningCore()) {
        toolkit::win32::DeliverPendingMessages(*core);
    }
}

std::string Utf8(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}

std::wstring Utf16(const std::u32string& text) {
    std::wstring units;
    for (const char32_t character : text) {
        if (character >= 0x10000) {
            units.push_back(static_cast<wchar_t>(0xD800 + ((character - 0x10000) >> 10)));
            units.push_back(static_cast<wchar_t>(0xDC00 + ((character - 0x10000) & 0x3FF)));
        } else {
            units.push_back(static_cast<wchar_t>(character));
        }
    }
    return units;
}

bool IsClass(HWND window, const wchar_t* name) {
    return lstrcmpiW(ClassName(window).c_str(), name) == 0;
}

bool IsRichEdit(HWND window) {
    return ClassName(window).starts_with(L"RichEdit") || IsClass(window, L"RichEdit");
}

// The modifiers as the thread's keyboard state holds them while the input is handled.
class HeldModifiers {
public:
    explicit HeldModifiers(Modifiers modifiers) {
        GetKeyboardState(saved_.data());
        std::array<BYTE, 256> state = saved_;
        const std::pair<Modifier, std::array<int, 3>> keys[] = {
            {kShift, {VK_SHIFT, VK_LSHIFT, 0}},
            {kControl, {VK_CONTROL, VK_LCONTROL, 0}},
            {kAlt, {VK_MENU, VK_LMENU, 0}},
        };
        for (const auto& [modifier, virtualKeys] : keys) {
            for (const int key : virtualKeys) {
                if (key != 0) {
                    state[static_cast<std::size_t>(key)] = (modifiers & modifier) != 0 ? 0x80 : 0;
                }
            }
        }
        SetKeyboardState(state.data());
    }
    ~HeldModifiers() { SetKeyboardState(saved_.data()); }
    HeldModifiers(const HeldModifiers&) = delete;
    HeldModifiers& operator=(const HeldModifiers&) = delete;

private:
    std::array<BYTE, 256> saved_{};
};

WPARAM MouseKeys(Button button, Modifiers modifiers) {
    WPARAM keys = button == Button::Left ? MK_LBUTTON : MK_RBUTTON;
    keys |= (modifiers & kShift) != 0 ? MK_SHIFT : 0;
    keys |= (modifiers & kControl) != 0 ? MK_CONTROL : 0;
    return keys;
}

void PostMouse(HWND window, UINT message, WPARAM keys, Point point) {
    PostMessageW(window, message, keys, MAKELPARAM(point.x, point.y));
}

UINT Down(Button button) {
    return button == Button::Left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN;
}

UINT Up(Button button) {
    return button == Button::Left ? WM_LBUTTONUP : WM_RBUTTONUP;
}

struct KeyStroke {
    UINT virtualKey;
    Modifiers implied;
    bool extended;
};

KeyStroke StrokeOf(Key key) {
    switch (key) {
        case Key::Return:
            return {VK_RETURN, kNoModifier, false};
        case Key::KeypadEnter:
            return {VK_RETURN, kNoModifier, true};
        case Key::Tab:
            return {VK_TAB, kNoModifier, false};
        case Key::Backtab:
            return {VK_TAB, kShift, false};
        case Key::Left:
            return {VK_LEFT, kNoModifier, true};
        case Key::Right:
            return {VK_RIGHT, kNoModifier, true};
        case Key::Home:
            return {VK_HOME, kNoModifier, true};
        case Key::End:
            return {VK_END, kNoModifier, true};
        case Key::Delete:
            return {VK_DELETE, kNoModifier, true};
        case Key::Backspace:
            return {VK_BACK, kNoModifier, false};
        case Key::Space:
            return {VK_SPACE, kNoModifier, false};
        case Key::SelectAll:
            return {'A', kControl, false};
    }
    return {0, kNoModifier, false};
}

HWND KeyTarget() {
    if (const HWND focused = GetFocus()) {
        return focused;
    }
    return GetActiveWindow();
}

// Down and up, as the keyboard driver posts them; TranslateMessage makes the characters.
void PostKeyStroke(HWND target, UINT virtualKey, Modifiers modifiers, bool extended) {
    const bool alt = (modifiers & kAlt) != 0;
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    const LPARAM flags = 1 | scan | (extended ? 1 << 24 : 0) | (alt ? 1 << 29 : 0);
    PostMessageW(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, flags);
    PostMessageW(target, alt ? WM_SYSKEYUP : WM_KEYUP, virtualKey,
                 flags | static_cast<LPARAM>(3u << 30));
}

void PressOn(HWND target, Key key, Modifiers modifiers) {
    const KeyStroke stroke = StrokeOf(key);
    const Modifiers held = modifiers | stroke.implied;
    const HeldModifiers state(held);
    PostKeyStroke(target, stroke.virtualKey, held, stroke.extended);
    HandlePendingInput();
}

}  // namespace

bool ActivateWindow(int window) {
    const HWND form = FormWindow(window);
    SetForegroundWindow(form);
    SetActiveWindow(form);
    HandlePendingInput();
    return GetActiveWindow() == form;
}

bool IsWindowActive(int window) {
    return GetActiveWindow() == FormWindow(window) && FormWindow(window) != nullptr;
}

bool IsWindowVisible(int window) {
    return ::IsWindowVisible(FormWindow(window)) != FALSE;
}

// The close box: the window menu's Close, as a click on the box sends it. While a modal box
// has the form disabled, the box's own loop hands it on.
void RequestClose(int window) {
    PostMessageW(FormWindow(window), WM_SYSCOMMAND, SC_CLOSE, 0);
    if (IsWindowEnabled(FormWindow(window))) {
        HandlePendingInput();
    }
}

struct OtherProgram::Window {
    HWND window = nullptr;
    bool active = false;
};

OtherProgram::OtherProgram() : window_(std::make_unique<Window>()) {
    window_->window = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                      0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(window_->window);
    SetActiveWindow(window_->window);
    HandlePendingInput();
    window_->active = GetActiveWindow() == window_->window;
}

OtherProgram::~OtherProgram() {
    DestroyWindow(window_->window);
}

bool OtherProgram::IsActive() const {
    return window_->active;
}

// Near the top of a list or editor, so that a list with items selects its first.
void Click(int gadget, Button button, Modifiers modifiers) {
    const HWND window = GadgetWindow(gadget);
    RECT client;
    GetClientRect(window, &client);
    const bool scrolls = IsClass(window, L"ListBox") || IsRichEdit(window);
    ClickAt(gadget, {4, scrolls ? 4 : client.bottom / 2}, button, modifiers);
}

void ClickAt(int gadget, Point point, Button button, Modifiers modifiers) {
    const HWND window = GadgetWindow(gadget);
    const HeldModifiers state(modifiers);
    PostMouse(window, Down(button), MouseKeys(button, modifiers), point);
    PostMouse(window, Up(button), MouseKeys(button, modifiers) & ~(MK_LBUTTON | MK_RBUTTON), point);
    HandlePendingInput();
}

void ClickTab(int panel, int tab, Button button) {
    const HWND tabs = GadgetWindow(panel);
    RECT item;
    TabCtrl_GetItemRect(tabs, tab, &item);
    const Point centre{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    PostMouse(tabs, Down(button), MouseKeys(button, kNoModifier), centre);
    PostMouse(tabs, Up(button), 0, centre);
    HandlePendingInput();
}

void TurnWheelOverTabs(int panel) {
    const HWND tabs = GadgetWindow(panel);
    RECT item;
    TabCtrl_GetItemRect(tabs, 0, &item);
    POINT centre{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ClientToScreen(tabs, &centre);
    PostMessageW(tabs, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(centre.x, centre.y));
    HandlePendingInput();
}

void ForgetSelection(int list) {
    SendMessageW(GadgetWindow(list), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

Point ItemCentre(int list, int index) {
    RECT item{};
    SendMessageW(GadgetWindow(list), LB_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
    return {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
}

Point EmptyPartOf(int list) {
    RECT client;
    GetClientRect(GadgetWindow(list), &client);
    return {5, client.bottom - 3};
}

int ItemAt(int list, Point point) {
    const auto found = static_cast<DWORD>(
        SendMessageW(GadgetWindow(list), LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y)));
    return HIWORD(found) != 0 ? -1 : LOWORD(found);
}

void ScrollToItem(int list, int index) {
    SendMessageW(GadgetWindow(list), LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
}

void PressOnList(int list, Point point, Modifiers modifiers) {
    const HeldModifiers state(modifiers);
    PostMouse(GadgetWindow(list), WM_LBUTTONDOWN, MouseKeys(Button::Left, modifiers), point);
    HandlePendingInput();
}

void MoveOnList(int list, Point point) {
    PostMouse(GadgetWindow(list), WM_MOUSEMOVE, MK_LBUTTON, point);
    HandlePendingInput();
}

void ReleaseOnList(int list, Point point) {
    PostMouse(GadgetWindow(list), WM_LBUTTONUP, 0, point);
    HandlePendingInput();
}

void DoubleClickOnList(int list, Point point) {
    const HWND window = GadgetWindow(list);
    PostMouse(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMouse(window, WM_LBUTTONUP, 0, point);
    PostMouse(window, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    PostMouse(window, WM_LBUTTONUP, 0, point);
    HandlePendingInput();
}

int DragDistance() {
    return std::max(GetSystemMetrics(SM_CXDRAG), GetSystemMetrics(SM_CYDRAG));
}

void PressKey(Key key, Modifiers modifiers) {
    PressOn(KeyTarget(), key, modifiers);
}

// A character with a key of the layout is typed on that key; any other arrives as the
// characters an input method sends.
void TypeText(const std::u32string& text) {
    for (const char32_t character : text) {
        const HWND target = KeyTarget();
        const SHORT key = character < 0x10000 ? VkKeyScanW(static_cast<wchar_t>(character)) : -1;
        if (key != -1 && (HIBYTE(key) & ~1) == 0 && character >= 0x20) {
            const Modifiers held = (HIBYTE(key) & 1) != 0 ? kShift : kNoModifier;
            const HeldModifiers state(held);
            PostKeyStroke(target, LOBYTE(key), held, false);
            HandlePendingInput();
            continue;
        }
        for (const wchar_t unit : Utf16(std::u32string(1, character))) {
            PostMessageW(target, WM_CHAR, unit, 1);
        }
        HandlePendingInput();
    }
}

// The text on the clipboard, and Control+V.
void PasteText(const std::u32string& text) {
    const std::wstring units = Utf16(text);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (units.size() + 1) * sizeof(wchar_t));
    std::copy_n(units.c_str(), units.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    OpenClipboard(nullptr);
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    const HeldModifiers state(kControl);
    PostKeyStroke(KeyTarget(), 'V', kControl, false);
    HandlePendingInput();
}

struct KeyPressCounter::Watch {
    static LRESULT CALLBACK Count(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR watch) {
        auto* self = reinterpret_cast<Watch*>(watch);
        if ((message == WM_KEYDOWN || message == WM_SYSKEYDOWN) && wParam == self->key) {
            ++self->presses;
        }
        return DefSubclassProc(window, message, wParam, lParam);
    }
    HWND window;
    WPARAM key;
    int presses = 0;
};

KeyPressCounter::KeyPressCounter(int gadget, Key key)
    : watch_(new Watch{GadgetWindow(gadget), StrokeOf(key).virtualKey}) {
    SetWindowSubclass(watch_->window, Watch::Count, reinterpret_cast<UINT_PTR>(watch_.get()),
                      reinterpret_cast<DWORD_PTR>(watch_.get()));
}

KeyPressCounter::~KeyPressCounter() {
    RemoveWindowSubclass(watch_->window, Watch::Count, reinterpret_cast<UINT_PTR>(watch_.get()));
}

int KeyPressCounter::Presses() const {
    return watch_->presses;
}

// Looks for the box on a timer of the thread, which the box's own modal loop runs.
struct BoxAnswer::Watch {
    static void CALLBACK Look(HWND, UINT, UINT_PTR timer, DWORD);
    static Watch* armed;

    std::wstring caption;
    Key key = Key::Return;
    bool byKey = false;
    UINT_PTR timer = 0;
    bool answered = false;
    std::string problem;
    std::string title;
    std::string text;
};

BoxAnswer::Watch* BoxAnswer::Watch::armed = nullptr;

void CALLBACK BoxAnswer::Watch::Look(HWND, UINT, UINT_PTR, DWORD) {
    Watch* watch = armed;
    HWND box = nullptr;
    for (HWND window = GetTopWindow(nullptr); window != nullptr;
         window = GetWindow(window, GW_HWNDNEXT)) {
        if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId() &&
            IsClass(window, L"#32770") && ::IsWindowVisible(window)) {
            box = window;
            break;
        }
    }
    if (watch == nullptr || box == nullptr) {
        return;
    }
    KillTimer(nullptr, watch->timer);
    armed = nullptr;
    watch->title = Utf8(WindowText(box));
    constexpr int kMessageBoxText = 0xFFFF;
    watch->text = Utf8(WindowText(GetDlgItem(box, kMessageBoxText)));
    if (watch->byKey) {
        // The box takes keys once it is the active window, as for a user who looks at it.
        SetForegroundWindow(box);
        SetActiveWindow(box);
        const KeyStroke stroke = StrokeOf(watch->key);
        const HWND focused = GetFocus();
        PostKeyStroke(focused != nullptr && IsChild(box, focused) ? focused : box,
                      stroke.virtualKey, stroke.implied, stroke.extended);
        watch->answered = true;
        return;
    }
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsClass(child, L"Button") && WindowText(child) == watch->caption) {
            PostMessageW(child, BM_CLICK, 0, 0);
            watch->answered = true;
            return;
        }
    }
    watch->problem = "no button captioned " + Utf8(watch->caption);
    PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
}

BoxAnswer::BoxAnswer(const std::string& buttonCaption) : watch_(new Watch) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, buttonCaption.data(),
                                         static_cast<int>(buttonCaption.size()), nullptr, 0);
    watch_->caption.resize(static_cast<std::size_t>(size));
    MultiByteToWideChar(CP_UTF8, 0, buttonCaption.data(), static_cast<int>(buttonCaption.size()),
                        watch_->caption.data(), size);
    Watch::armed = watch_.get();
    watch_->timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, Watch::Look);
}

BoxAnswer::BoxAnswer(Key key) : watch_(new Watch) {
    watch_->key = key;
    watch_->byKey = true;
    Watch::armed = watch_.get();
    watch_->timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, Watch::Look);
}

BoxAnswer::~BoxAnswer() {
    if (Watch::armed == watch_.get()) {
        KillTimer(nullptr, watch_->timer);
        Watch::armed = nullptr;
    }
}

bool BoxAnswer::Answered() const {
    return watch_->answered;
}

std::string BoxAnswer::Problem() const {
    return watch_->problem;
}

std::string BoxAnswer::Title() const {
    return watch_->title;
}

std::string BoxAnswer::Text() const {
    return watch_->text;
}

struct NativeWatch::Pointer {
    HWND window;
};

NativeWatch::NativeWatch(toolkit::Handle handle)
    : pointer_(new Pointer{reinterpret_cast<HWND>(handle)}) {}

NativeWatch::~NativeWatch() = default;

bool NativeWatch::IsGone() const {
    return IsWindow(pointer_->window) == FALSE;
}

toolkit::GadgetKind ShownKind(int gadget) {
    using toolkit::GadgetKind;
    const HWND window = GadgetWindow(gadget);
    if (IsClass(window, WC_TABCONTROLW)) {
        return GadgetKind::Panel;
    }
    if (IsClass(window, L"Edit")) {
        return GadgetKind::Text;
    }
    if (IsClass(window, L"ListBox")) {
        return GadgetKind::List;
    }
    if (IsRichEdit(window)) {
        return GadgetKind::Editor;
    }
    const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    if (IsClass(window, L"Button")) {
        return (style & BS_TYPEMASK) == BS_AUTOCHECKBOX ? GadgetKind::Check : GadgetKind::Button;
    }
    ADD_FAILURE() << "gadget " << gadget << " is a " << Utf8(ClassName(window));
    return GadgetKind::Button;
}

std::string ShownText(int gadget) {
    const HWND window = GadgetWindow(gadget);
    return Utf8(IsRichEdit(window) ? toolkit::win32::RichEditText(window) : WindowText(window));
}

// The width the field draws its text in, against the width of the text in the field's font.
bool ShowsWholeText(int gadget) {
    const HWND window = GadgetWindow(gadget);
    if (!IsClass(window, L"Edit")) {
        return false;
    }
    RECT area;
    SendMessageW(window, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    const std::wstring text = WindowText(window);
    const HDC context = GetDC(window);
    const HGDIOBJ old =
        SelectObject(context, reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(context, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(context, old);
    ReleaseDC(window, context);
    return extent.cx <= area.right - area.left;
}

std::string SelectedText(int gadget) {
    const HWND window = GadgetWindow(gadget);
    if (!IsClass(window, L"Edit")) {
        return {};
    }
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return Utf8(WindowText(window).substr(start, end - start));
}

std::string WindowTitle(int window) {
    return Utf8(WindowText(FormWindow(window)));
}

std::vector<std::string> TabCaptions(int panel) {
    const HWND tabs = GadgetWindow(panel);
    std::vector<std::string> captions;
    for (int tab = 0; tab < TabCtrl_GetItemCount(tabs); ++tab) {
        std::array<wchar_t, 256> caption{};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        item.cchTextMax = static_cast<int>(caption.size());
        SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item));
        captions.push_back(Utf8(caption.data()));
    }
    return captions;
}

bool IsShown(int gadget) {
    return ::IsWindowVisible(GadgetWindow(gadget)) != FALSE;
}

// A window in a disabled one takes no input either.
bool IsEnabled(int gadget) {
    for (HWND window = GadgetWindow(gadget); window != nullptr; window = GetParent(window)) {
        if (!IsWindowEnabled(window)) {
            return false;
        }
    }
    return true;
}

int CurrentTab(int panel) {
    return TabCtrl_GetCurSel(GadgetWindow(panel));
}

bool HasFocusOnTabRow(int panel) {
    return GetFocus() == GadgetWindow(panel) && GetFocus() != nullptr;
}

void ClearFocus(int window) {
    SetFocus(FormWindow(window));
}

namespace {

Rect GeometryWithin(int gadget, HWND container) {
    const HWND window = GadgetWindow(gadget);
    if (window == nullptr || container == nullptr || GetParent(window) != container) {
        return {-1, -1, -1, -1};
    }
    RECT place;
    GetWindowRect(window, &place);
    MapWindowPoints(nullptr, container, reinterpret_cast<POINT*>(&place), 2);
    return {place.left, place.top, place.right - place.left, place.bottom - place.top};
}

// A tab's data names its page.
HWND PageWindow(int panel, int page) {
    TCITEMW item{};
    item.mask = TCIF_PARAM;
    if (!SendMessageW(GadgetWindow(panel), TCM_GETITEMW, static_cast<WPARAM>(page),
                      reinterpret_cast<LPARAM>(&item))) {
        return nullptr;
    }
    return reinterpret_cast<HWND>(item.lParam);
}

// The colours the parent gives the control for painting its text, as the control asks them.
std::pair<COLORREF, COLORREF> PaintColours(HWND window) {
    const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    UINT message = WM_CTLCOLOREDIT;
    if (IsClass(window, L"ListBox")) {
        message = WM_CTLCOLORLISTBOX;
    } else if ((style & ES_READONLY) != 0 || !IsWindowEnabled(window)) {
        message = WM_CTLCOLORSTATIC;
    }
    const HDC context = CreateCompatibleDC(nullptr);
    SetBkColor(context, GetSysColor(COLOR_WINDOW));
    SetTextColor(context, GetSysColor(COLOR_WINDOWTEXT));
    SendMessageW(GetParent(window), message, reinterpret_cast<WPARAM>(context),
                 reinterpret_cast<LPARAM>(window));
    const std::pair colours{GetBkColor(context), GetTextColor(context)};
    DeleteDC(context);
    return colours;
}

// The rich edit control tells its background only in exchange for a new one.
COLORREF EditorBackground(HWND editor) {
    const auto colour =
        static_cast<COLORREF>(SendMessageW(editor, EM_SETBKGNDCOLOR, 0, GetSysColor(COLOR_WINDOW)));
    const bool isDefault = colour == GetSysColor(COLOR_WINDOW);
    SendMessageW(editor, EM_SETBKGNDCOLOR, isDefault ? 1 : 0, static_cast<LPARAM>(colour));
    return colour;
}

COLORREF EditorText(HWND editor) {
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    SendMessageW(editor, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    return (format.dwEffects & CFE_AUTOCOLOR) != 0 ? GetSysColor(COLOR_WINDOWTEXT)
                                                   : format.crTextColor;
}

// A rich edit control tells its font as the character format of its text, in twips.
LOGFONTW EditorFont(HWND editor) {
    constexpr int kTwipsPerInch = 1440;
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    SendMessageW(editor, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    const HDC screen = GetDC(nullptr);
    LOGFONTW font{};
    font.lfHeight = -MulDiv(format.yHeight, GetDeviceCaps(screen, LOGPIXELSY), kTwipsPerInch);
    ReleaseDC(nullptr, screen);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = format.bCharSet;
    font.lfPitchAndFamily = format.bPitchAndFamily;
    std::copy_n(format.szFaceName, LF_FACESIZE, font.lfFaceName);
    return font;
}

LOGFONTW FontOf(int gadget) {
    if (IsRichEdit(GadgetWindow(gadget))) {
        return EditorFont(GadgetWindow(gadget));
    }
    LOGFONTW font{};
    const auto shown =
        reinterpret_cast<HFONT>(SendMessageW(GadgetWindow(gadget), WM_GETFONT, 0, 0));
    GetObjectW(shown != nullptr ? shown : GetStockObject(SYSTEM_FONT), sizeof font, &font);
    return font;
}

}  // namespace

Rect GeometryOnPage(int gadget, int panel, int page) {
    return GeometryWithin(gadget, PageWindow(panel, page));
}

Rect GeometryInWindow(int gadget, int window) {
    return GeometryWithin(gadget, FormWindow(window));
}

bool IsReadOnly(int gadget) {
    return (GetWindowLongW(GadgetWindow(gadget), GWL_STYLE) & ES_READONLY) != 0;
}

void SetReadOnly(int gadget, bool readOnly) {
    SendMessageW(GadgetWindow(gadget), EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

int BackgroundColour(int gadget) {
    const HWND window = GadgetWindow(gadget);
    return static_cast<int>(IsRichEdit(window) ? EditorBackground(window)
                                               : PaintColours(window).first);
}

int TextColour(int gadget) {
    const HWND window = GadgetWindow(gadget);
    return static_cast<int>(IsRichEdit(window) ? EditorText(window) : PaintColours(window).second);
}

TEXTMETRICW MetricsOf(const LOGFONTW& font) {
    const HDC context = CreateCompatibleDC(nullptr);
    const HFONT made = CreateFontIndirectW(&font);
    const HGDIOBJ old = SelectObject(context, made);
    TEXTMETRICW metrics{};
    GetTextMetricsW(context, &metrics);
    SelectObject(context, old);
    DeleteObject(made);
    DeleteDC(context);
    return metrics;
}

int FontPixelHeight(int gadget) {
    const LOGFONTW font = FontOf(gadget);
    if (font.lfHeight < 0) {
        return -font.lfHeight;
    }
    const TEXTMETRICW metrics = MetricsOf(font);
    return metrics.tmHeight - metrics.tmInternalLeading;
}

// TMPF_FIXED_PITCH is set for a variable-pitch font.
bool FontIsFixedPitch(int gadget) {
    return (MetricsOf(FontOf(gadget)).tmPitchAndFamily & TMPF_FIXED_PITCH) == 0;
}

// The window takes its icons from the program's icon group, resource 1, which holds every
// size Windows may ask for.
std::vector<int> WindowIconSizes(int window) {
#pragma pack(push, 2)
    struct GroupEntry {
        BYTE width;
        BYTE height;
        BYTE colours;
        BYTE reserved;
        WORD planes;
        WORD bitCount;
        DWORD bytes;
        WORD id;
    };
    struct GroupHeader {
        WORD reserved;
        WORD type;
        WORD count;
    };
#pragma pack(pop)
    constexpr int kLargestIconByteWidth = 256;
    std::vector<int> sizes;
    const HRSRC group = FindResourceA(nullptr, MAKEINTRESOURCEA(1), RT_GROUP_ICON);
    if (SendMessageW(FormWindow(window), WM_GETICON, ICON_BIG, 0) == 0 || group == nullptr) {
        return sizes;
    }
    const auto* header =
        static_cast<const GroupHeader*>(LockResource(LoadResource(nullptr, group)));
    const auto* entries = reinterpret_cast<const GroupEntry*>(header + 1);
    for (WORD index = 0; index < header->count; ++index) {
        sizes.push_back(entries[index].width == 0 ? kLargestIconByteWidth : entries[index].width);
    }
    std::sort(sizes.begin(), sizes.end());
    return sizes;
}

Rect WindowClientArea(int window) {
    const HWND form = FormWindow(window);
    RECT outer;
    RECT client;
    GetWindowRect(form, &outer);
    GetClientRect(form, &client);
    return {outer.left, outer.top, client.right, client.bottom};
}

namespace {

std::vector<std::function<void()>>& Waiting() {
    static std::vector<std::function<void()>> actions;
    return actions;
}

// A timer's message comes only when the queue holds nothing else: when the toolkit waits.
void CALLBACK RunWaiting(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    std::vector<std::function<void()>> actions = std::move(Waiting());
    Waiting().clear();
    for (const auto& action : actions) {
        action();
    }
}

}  // namespace

void WhileWaiting(std::function<void()> action) {
    Waiting().push_back(std::move(action));
    SetTimer(nullptr, 0, 0, RunWaiting);
}

}  // namespace quillmoor::test
