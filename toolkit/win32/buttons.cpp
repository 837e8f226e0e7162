// The button gadgets: a push button, and a check box that also holds a tick. Both report a
// click, by mouse or by key.

#include "toolkit/win32/win32_platform.h"

namespace quillmoor::toolkit::win32 {

namespace {

class Button : public Control {
public:
    Button(HWND window, Placement placement, Happenings& happenings, ScaledFont& font)
        : Control(window, placement, happenings, font) {}

    void OnCommand(WORD code) override {
        if (code == BN_CLICKED) {
            ToCore().Clicked(Id());
        }
    }
};

class CheckBox final : public Button {
public:
    using Button::Button;

    // 1 ticked, 0 not.
    int State() const override {
        return SendMessageW(Window(), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    }
};

}  // namespace

HWND MakeButton(HWND parent, const GadgetRequest& request, Happenings& happenings,
                ScaledFont& font) {
    return Made<Button>(CreateChild(parent, L"BUTTON", BS_PUSHBUTTON, 0, request.placement,
                                    NativeText(request.text)),
                        request, happenings, font);
}

HWND MakeCheckBox(HWND parent, const GadgetRequest& request, Happenings& happenings,
                  ScaledFont& font) {
    return Made<CheckBox>(CreateChild(parent, L"BUTTON", BS_AUTOCHECKBOX, 0, request.placement,
                                      NativeText(request.text)),
                          request, happenings, font);
}

}  // namespace quillmoor::toolkit::win32
