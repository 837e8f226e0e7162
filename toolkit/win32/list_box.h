#pragma once

// A list gadget: a list box whose presses, moves, releases and double-clicks reach the core as
// they happen, and whose selection is reported only when it really moved.

#include "toolkit/win32/control.h"

namespace quillmoor::toolkit::win32 {

class ListBox final : public Control {
public:
    ListBox(HWND window, Placement placement, Happenings& happenings, ScaledFont& font);

    void OnCommand(WORD code) override;
    // The selected index, -1 for none.
    int State() const override;

    bool InsertItem(int index, const std::wstring& text);
    void RemoveItem(int index);
    // Leaves no item selected.
    void ClearSelection();

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Takes the selection as the one to compare the next LBN_SELCHANGE with.
    void SelectionSettled();

    int lastSelection_ = -1;
};

}  // namespace quillmoor::toolkit::win32
