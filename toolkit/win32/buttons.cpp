#include "toolkit/win32/buttons.h"

namespace quillmoor::toolkit::win32 {

Button::Button(HWND window, Placement placement, Happenings& happenings, ScaledFont& font)
    : Control(window, placement, happenings, font) {}

void Button::OnCommand(WORD code) {
    if (code == BN_CLICKED) {
        ToCore().Clicked(Id());
    }
}

int CheckBox::State() const {
    return SendMessageW(Window(), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

}  // namespace quillmoor::toolkit::win32
