// The form driver over Win32, its input: the window messages the system itself sends for the
// user's mouse and keys, posted and then handled by the toolkit's own message loop.

#include <algorithm>
#include <array>
#include <utility>

#include "tests/support/win32/native_windows.h"

namespace quillmoor::test {

namespace {

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

// The modifiers as the thread's keyboard state holds them while the input is handled.
class HeldModifiers {
public:
    explicit HeldModifiers(Modifiers modifiers) {
        GetKeyboardState(saved_.data());
        std::array<BYTE, 256> state = saved_;
        const std::pair<Modifier, std::array<int, 2>> keys[] = {
            {kShift, {VK_SHIFT, VK_LSHIFT}},
            {kControl, {VK_CONTROL, VK_LCONTROL}},
            {kAlt, {VK_MENU, VK_LMENU}},
        };
        for (const auto& [modifier, virtualKeys] : keys) {
            for (const int key : virtualKeys) {
                state[static_cast<std::size_t>(key)] = (modifiers & modifier) != 0 ? 0x80 : 0;
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

Point Centre(const RECT& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// ActivateWindow() for any window of the thread.
bool Activate(HWND window) {
    SetForegroundWindow(window);
    SetActiveWindow(window);
    HandlePendingInput();
    return GetActiveWindow() == window;
}

HWND KeyTarget() {
    const HWND focused = GetFocus();
    return focused != nullptr ? focused : GetActiveWindow();
}

// The key with the modifiers held, handled before it returns.
void Stroke(UINT virtualKey, Modifiers held, bool extended) {
    const HeldModifiers state(held);
    PostKeyStroke(KeyTarget(), virtualKey, held, extended);
    HandlePendingInput();
}

Point TabCentre(HWND tabs, int tab) {
    RECT item;
    TabCtrl_GetItemRect(tabs, tab, &item);
    return Centre(item);
}

}  // namespace

bool ActivateWindow(int window) {
    return Activate(FormWindow(window));
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
    window_->active = Activate(window_->window);
}

OtherProgram::~OtherProgram() {
    DestroyWindow(window_->window);
}

bool OtherProgram::IsActive() const {
    return window_->active;
}

// The colours of a dark theme where fields and lists take theirs: the window and its text.
struct DarkDesktop::Saved {
    static constexpr int kDarkened[] = {COLOR_WINDOW, COLOR_WINDOWTEXT};
    COLORREF colours[2];
};

DarkDesktop::DarkDesktop()
    : saved_(new Saved{{GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT)}}) {
    const COLORREF dark[] = {0x2D2D2D, 0xECEEEE};
    SetSysColors(2, Saved::kDarkened, dark);
}

DarkDesktop::~DarkDesktop() {
    SetSysColors(2, Saved::kDarkened, saved_->colours);
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
    const bool left = button == Button::Left;
    PostMouse(window, left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, MouseKeys(button, modifiers), point);
    PostMouse(window, left ? WM_LBUTTONUP : WM_RBUTTONUP,
              MouseKeys(button, modifiers) & ~(MK_LBUTTON | MK_RBUTTON), point);
    HandlePendingInput();
}

void ClickTab(int panel, int tab, Button button) {
    ClickAt(panel, TabCentre(GadgetWindow(panel), tab), button, kNoModifier);
}

void TurnWheelOverTabs(int panel) {
    const HWND tabs = GadgetWindow(panel);
    const Point tab = TabCentre(tabs, 0);
    POINT centre{tab.x, tab.y};
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
    return Centre(item);
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

void ScrollEditorTo(int editor, int line, int sideways) {
    const HWND window = GadgetWindow(editor);
    SendMessageW(window, EM_LINESCROLL, 0,
                 line - SendMessageW(window, EM_GETFIRSTVISIBLELINE, 0, 0));
    POINT scroll{};
    SendMessageW(window, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
    scroll.x = sideways;
    SendMessageW(window, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
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
    const KeyStroke stroke = StrokeOf(key);
    Stroke(stroke.virtualKey, modifiers | stroke.implied, stroke.extended);
}

// A character with a key of the layout is typed on that key; any other arrives as the
// characters an input method sends.
void TypeText(const std::u32string& text) {
    for (const char32_t character : text) {
        const SHORT key = character < 0x10000 ? VkKeyScanW(static_cast<wchar_t>(character)) : -1;
        if (key != -1 && (HIBYTE(key) & ~1) == 0 && character >= 0x20) {
            Stroke(LOBYTE(key), (HIBYTE(key) & 1) != 0 ? kShift : kNoModifier, false);
            continue;
        }
        const HWND target = KeyTarget();
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
    Stroke('V', kControl, false);
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

namespace {

std::vector<std::function<void()>> waiting;

// A timer's message comes only when the queue holds nothing else: when the toolkit waits.
void CALLBACK RunWaiting(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    for (const auto& action : std::exchange(waiting, {})) {
        action();
    }
}

}  // namespace

void WhileWaiting(std::function<void()> action) {
    waiting.push_back(std::move(action));
    SetTimer(nullptr, 0, 0, RunWaiting);
}

}  // namespace quillmoor::test
