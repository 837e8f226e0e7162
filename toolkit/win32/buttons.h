#pragma once

// The button gadgets: a push button, and a check box that also holds a tick. Both report a
// click, by mouse or by key.

#include "toolkit/win32/control.h"

namespace quillmoor::toolkit::win32 {

class Button : public Control {
public:
    Button(HWND window, Placement placement, Happenings& happenings, ScaledFont& font);

    void OnCommand(WORD code) override;
};

class CheckBox final : public Button {
public:
    using Button::Button;

    // 1 ticked, 0 not.
    int State() const override;
};

}  // namespace quillmoor::toolkit::win32
