// The time of one panel event's regeneration at the number of methods given (fill the
// description from the form, generate, replace the editor's text, repaint) in the Windows build,
// next to a plain rich edit control of the same class, style, size and font given the same text
// by WM_SETTEXT.
// Usage: win32_regenerate_bench METHODS REPETITIONS

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/event_loop.h"
#include "app/gadget_ids.h"
#include "app/main_form.h"
#include "app/memory_tuning.h"
#include "toolkit/core/running_core.h"
#include "toolkit/toolkit.h"
#include "toolkit/win32/window_text.h"
#include "toolkit/win32/windows_api.h"

namespace {

namespace tk = quillmoor::toolkit;
using quillmoor::app::GadgetId;
using quillmoor::toolkit::win32::ClassName;
using quillmoor::toolkit::win32::WindowText;

HWND NativeOf(int gadget) {
    return reinterpret_cast<HWND>(tk::RunningCore()->GadgetNative(gadget));
}

void HandlePendingEvents() {
    for (tk::EventKind event = tk::PollEvent(); event != tk::EventKind::None;
         event = tk::PollEvent()) {
        quillmoor::app::HandleEvent(event);
    }
}

// Wall-clock milliseconds of the action and of the repaint it leads to.
double Milliseconds(HWND shown, const std::function<void()>& action) {
    const auto start = std::chrono::steady_clock::now();
    action();
    UpdateWindow(shown);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// As the user's click would: the tab control selects and notifies on the button's press.
void ClickTab(int index) {
    const HWND panel = NativeOf(GadgetId::Panel);
    RECT tab;
    TabCtrl_GetItemRect(panel, index, &tab);
    const LPARAM middle = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
    SendMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    SendMessageW(panel, WM_LBUTTONUP, 0, middle);
    HandlePendingEvents();
}

// A top-level twin of the form's editor: its class, style, size, font and text mode (a rich edit
// control takes its text as rich text unless told otherwise).
HWND PlainEditorLike(HWND editor) {
    RECT area;
    GetWindowRect(editor, &area);
    const auto style =
        (static_cast<DWORD>(GetWindowLongW(editor, GWL_STYLE)) & ~WS_CHILD) | WS_POPUP | WS_VISIBLE;
    const HWND plain = CreateWindowExW(WS_EX_CLIENTEDGE, ClassName(editor).c_str(), L"", style, 0,
                                       0, area.right - area.left, area.bottom - area.top, nullptr,
                                       nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(plain, EM_SETTEXTMODE, SendMessageW(editor, EM_GETTEXTMODE, 0, 0), 0);
    SendMessageW(plain, WM_SETFONT, SendMessageW(editor, WM_GETFONT, 0, 0), TRUE);
    return plain;
}

}  // namespace

int main(int argc, char** argv) {
    const int methods = argc == 3 ? std::atoi(argv[1]) : 0;
    const int repetitions = argc == 3 ? std::atoi(argv[2]) : 0;
    if (methods < 0 || repetitions <= 0) {
        std::fputs("usage: win32_regenerate_bench METHODS REPETITIONS\n", stderr);
        return 2;
    }
    quillmoor::app::KeepFreedMemoryForReuse();
    if (!tk::InitToolkit() || !quillmoor::app::BuildMainForm()) {
        std::fprintf(stderr, "cannot build the form: %s\n", tk::LastFailure().c_str());
        return 1;
    }
    ClickTab(2);
    for (int index = 0; index < methods; ++index) {
        tk::InsertGadgetItem(GadgetId::Methods, -1, "Method" + std::to_string(index) + ".l(a,b)");
    }
    const HWND editor = NativeOf(GadgetId::Output);
    const HWND testObject = NativeOf(GadgetId::CreateTestObject);
    const HWND plain = PlainEditorLike(editor);

    // The editor's text with the test object off and on, for the plain editor to receive as the
    // editor is given it, its lines ended by CR alone: WM_GETTEXT ends them with CR LF.
    std::array<std::wstring, 2> texts;
    for (const bool on : {false, true}) {
        SendMessageW(testObject, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
        quillmoor::app::Regenerate();
        texts[on ? 1 : 0] = WindowText(editor);
        std::erase(texts[on ? 1 : 0], L'\n');
    }
    std::vector<double> program;
    std::vector<double> yardstick;
    std::vector<double> ratios;
    for (int repetition = 0; repetition < repetitions; ++repetition) {
        // Toggling the test object changes the text, as a user's edit between two panel events
        // would.
        const bool on = repetition % 2 == 0;
        SendMessageW(testObject, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
        const auto measureProgram = [&] {
            program.push_back(Milliseconds(editor, [] { quillmoor::app::Regenerate(); }));
        };
        const auto measurePlain = [&] {
            yardstick.push_back(
                Milliseconds(plain, [&] { SetWindowTextW(plain, texts[on ? 1 : 0].c_str()); }));
        };
        // Taking turns at going first keeps any advantage of the order out of the ratio.
        if (repetition % 4 < 2) {
            measureProgram();
            measurePlain();
        } else {
            measurePlain();
            measureProgram();
        }
        ratios.push_back(program.back() / yardstick.back());
    }
    std::printf(
        "regeneration at %d methods: program %.3f ms, plain rich edit %.3f ms, "
        "ratio %.2f (medians of %d)\n",
        methods, Median(program), Median(yardstick), Median(ratios), repetitions);
    DestroyWindow(plain);
    tk::EndToolkit();
    return 0;
}
