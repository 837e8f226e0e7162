// Run from a folder that also holds DLLs named as the rich edit's: opens a window with an editor
// as the program does, then loads riched32.dll by its name alone, as any later code may. Ends
// with 0 when the editor is the system's newer rich edit.

#include "toolkit/core/running_core.h"
#include "toolkit/toolkit.h"
#include "toolkit/win32/window_text.h"
#include "toolkit/win32/windows_api.h"

int main() {
    namespace tk = quillmoor::toolkit;
    constexpr int kWindow = 0;
    constexpr int kEditor = 1;
    if (!tk::InitToolkit() ||
        tk::OpenFormWindow(kWindow, 0, 0, 200, 100, "Probe", tk::kDialogWindowFlags) == 0 ||
        tk::CreateEditorGadget(kEditor, 0, 0, 200, 100) == 0) {
        return 2;
    }
    const auto editor = reinterpret_cast<HWND>(tk::RunningCore()->GadgetNative(kEditor));
    const bool newest = quillmoor::toolkit::win32::ClassName(editor) == L"RichEdit20A";
    LoadLibraryW(L"riched32.dll");
    tk::EndToolkit();
    return newest ? 0 : 1;
}
