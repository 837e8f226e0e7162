#pragma once

// A text field gadget: a one-line edit control that reports its changes and its focus. A
// read-only one is a caption, kept whole by caption_fit.h.

#include "toolkit/win32/control.h"

namespace quillmoor::toolkit::win32 {

class TextField final : public Control {
public:
    TextField(HWND window, Placement placement, Happenings& happenings, ScaledFont& font);

    void OnCommand(WORD code) override;
    // Reached by Tab, it selects its whole text, as dialog fields do.
    void TakeFocus(FocusCause cause) override;
};

}  // namespace quillmoor::toolkit::win32
