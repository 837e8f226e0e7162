// A list gadget: a list box whose presses, moves, releases and double-clicks reach the core as
// they happen, and whose selection is reported only when it really moved.

#include "toolkit/win32/win32_platform.h"

namespace quillmoor::toolkit::win32 {

namespace {

bool IsShiftOrControl(WPARAM keys) {
    return (keys & (MK_SHIFT | MK_CONTROL)) != 0;
}

class ListBox final : public Control {
public:
    ListBox(HWND window, Placement placement, Happenings& happenings, ScaledFont& font)
        : Control(window, placement, happenings, font) {}

    // The list box may say LBN_SELCHANGE on a release of the button that moved nothing; the
    // selection is compared with the one before the input.
    void OnCommand(WORD code) override {
        if (code != LBN_SELCHANGE) {
            return;
        }
        const int selected = State();
        if (selected != lastSelection_) {
            lastSelection_ = selected;
            ToCore().SelectionChanged(Id());
        }
    }

    // The selected index, -1 for none.
    int State() const override {
        return static_cast<int>(SendMessageW(Window(), LB_GETCURSEL, 0, 0));
    }

    // LB_ERRSPACE and LB_ERR are both negative.
    bool InsertItem(int index, const std::wstring& text) override {
        return SendMessageW(Window(), LB_INSERTSTRING, static_cast<WPARAM>(index),
                            reinterpret_cast<LPARAM>(text.c_str())) >= 0;
    }

    void RemoveItem(int index) override {
        SendMessageW(Window(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    }

    void ClearSelection() override {
        SendMessageW(Window(), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Takes the selection as the one to compare the next LBN_SELCHANGE with.
    void SelectionSettled() { lastSelection_ = State(); }

    int lastSelection_ = -1;
};

LRESULT ListBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
            SelectionSettled();
            break;
        // The press selects the item under the pointer; the list would say so only on the
        // release, after a drag that the press began.
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN: {
            SelectionSettled();
            ToCore().ListPressed(Id(), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam),
                                 message == WM_LBUTTONDOWN, IsShiftOrControl(wParam));
            const LRESULT result = Control::HandleMessage(message, wParam, lParam);
            OnCommand(LBN_SELCHANGE);
            return result;
        }
        case WM_MOUSEMOVE:
            ToCore().ListMoved(Id(), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            ToCore().ListReleased(Id(), message == WM_LBUTTONUP);
            break;
        // The mouse went to another window while the button was down (a box came up, the user
        // switched programs): no release will come here.
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != Window()) {
                ToCore().ListCaptureLost(Id());
            }
            break;
        // The list selects the item under the pointer first, as the double-click's first click
        // already did.
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK: {
            SelectionSettled();
            const LRESULT result = Control::HandleMessage(message, wParam, lParam);
            ToCore().ListDoubleClicked(Id(), message == WM_LBUTTONDBLCLK);
            return result;
        }
        default:
            break;
    }
    return Control::HandleMessage(message, wParam, lParam);
}

}  // namespace

HWND MakeListBox(HWND parent, const GadgetRequest& request, Happenings& happenings,
                 ScaledFont& font) {
    return Made<ListBox>(
        CreateChild(parent, L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL,
                    WS_EX_CLIENTEDGE, request.placement),
        request, happenings, font);
}

}  // namespace quillmoor::toolkit::win32
