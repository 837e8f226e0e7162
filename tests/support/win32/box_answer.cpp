// The form driver over Win32, answering the modal box: as a user does, once it is up, by its
// button or by a key.

#include "tests/support/win32/native_windows.h"
#include "toolkit/win32/window_text.h"

namespace quillmoor::test {

using toolkit::win32::WindowText;

// Looks for the box on a timer of the thread, which the box's own modal loop runs.
struct BoxAnswer::Watch {
    static void CALLBACK Look(HWND, UINT, UINT_PTR timer, DWORD);
    static Watch* armed;

    void Arm() {
        armed = this;
        timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, Look);
    }

    std::string caption;  // UTF-8, as the driver reads the box
    Key key = Key::Return;
    Modifiers modifiers = kNoModifier;
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
                      stroke.virtualKey, stroke.implied | watch->modifiers, stroke.extended);
        watch->answered = true;
        return;
    }
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsClass(child, L"Button") && Utf8(WindowText(child)) == watch->caption) {
            PostMessageW(child, BM_CLICK, 0, 0);
            watch->answered = true;
            return;
        }
    }
    watch->problem = "no button captioned " + watch->caption;
    PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
}

BoxAnswer::BoxAnswer(const std::string& buttonCaption) : watch_(new Watch) {
    watch_->caption = buttonCaption;
    watch_->Arm();
}

BoxAnswer::BoxAnswer(Key key, Modifiers modifiers) : watch_(new Watch) {
    watch_->key = key;
    watch_->modifiers = modifiers;
    watch_->byKey = true;
    watch_->Arm();
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

}  // namespace quillmoor::test
