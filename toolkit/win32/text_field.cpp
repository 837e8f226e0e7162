#include "toolkit/win32/text_field.h"

namespace quillmoor::toolkit::win32 {

TextField::TextField(HWND window, Placement placement, Happenings& happenings, ScaledFont& font)
    : Control(window, placement, happenings, font) {}

void TextField::OnCommand(WORD code) {
    switch (code) {
        case EN_CHANGE:
            ToCore().TextChanged(Id());
            break;
        case EN_SETFOCUS:
            ToCore().FocusIn(Id());
            break;
        case EN_KILLFOCUS:
            ToCore().FocusOut(Id());
            break;
        default:
            break;
    }
}

void TextField::TakeFocus(FocusCause cause) {
    Control::TakeFocus(cause);
    if (cause != FocusCause::Program) {
        SendMessageW(Window(), EM_SETSEL, 0, -1);
    }
}

}  // namespace quillmoor::toolkit::win32
