#include "toolkit/win32/yes_no_box.h"

namespace quillmoor::toolkit::win32 {

namespace {

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

}  // namespace

Answer AskYesNo(HWND owner, const std::wstring& title, const std::wstring& text) {
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

}  // namespace quillmoor::toolkit::win32
