// A panel gadget: a tab control whose tabs each name a page, a container window laid over the
// display area below the row of tabs.

#include <algorithm>
#include <vector>

#include "toolkit/win32/win32_platform.h"

namespace quillmoor::toolkit::win32 {

namespace {

// Only the selected tab counts as pressed. Wine's tab control leaves the old tab pressed when
// the arrow keys change the selection, and then takes every later click on a tab for a click
// that lets go of pressed buttons: the tabs no longer answer the mouse. Windows keeps the
// state itself, so there this changes nothing.
void KeepOnlySelectedTabPressed(HWND tabs) {
    const int selected = TabCtrl_GetCurSel(tabs);
    for (int index = 0; index < TabCtrl_GetItemCount(tabs); ++index) {
        TCITEMW item{};
        item.mask = TCIF_STATE;
        item.dwStateMask = TCIS_BUTTONPRESSED;
        item.dwState = index == selected ? TCIS_BUTTONPRESSED : 0;
        TabCtrl_SetItem(tabs, index, &item);
    }
}

// The inside of the panel's frame below the row of tabs, in the panel's client pixels.
RECT DisplayAreaOf(HWND panel) {
    RECT area;
    GetClientRect(panel, &area);
    TabCtrl_AdjustRect(panel, FALSE, &area);
    return area;
}

void FitToDisplayArea(HWND page) {
    const RECT area = DisplayAreaOf(GetParent(page));
    SetWindowPos(page, HWND_TOP, area.left, area.top, area.right - area.left,
                 area.bottom - area.top, SWP_NOACTIVATE);
}

class TabPanel final : public Control {
public:
    TabPanel(HWND window, Placement placement, Happenings& happenings, ScaledFont& font)
        : Control(window, placement, happenings, font) {}

    LRESULT OnNotify(const NMHDR& header) override {
        if (header.code == TCN_SELCHANGING) {
            ToCore().TabChanging(Id());
        } else if (header.code == TCN_SELCHANGE) {
            KeepOnlySelectedTabPressed(Window());
            ToCore().TabChanged(Id(), TabCtrl_GetCurSel(Window()));
        }
        return 0;
    }

    // Its pages are fitted again to the display area that its new size and font leave. A page
    // fitted comes to the top: fitting them last to first keeps their order.
    void PlaceForDpi(int dpi) override {
        Control::PlaceForDpi(dpi);
        std::vector<HWND> pages;
        for (HWND page = GetWindow(Window(), GW_CHILD); page != nullptr;
             page = GetWindow(page, GW_HWNDNEXT)) {
            pages.push_back(page);
        }
        std::for_each(pages.rbegin(), pages.rend(), FitToDisplayArea);
    }

    // The first tab is selected when none was; the tab's own data names its page.
    HWND InsertTab(int index, const std::wstring& caption) override {
        const HWND page = CreatePage(Window());
        if (page == nullptr) {
            return nullptr;
        }
        std::wstring text = caption;
        TCITEMW item{};
        item.mask = TCIF_TEXT | TCIF_PARAM;
        item.pszText = text.data();
        item.lParam = reinterpret_cast<LPARAM>(page);
        if (SendMessageW(Window(), TCM_INSERTITEMW, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(&item)) < 0) {
            DestroyWindow(page);
            return nullptr;
        }
        if (TabCtrl_GetCurSel(Window()) < 0) {
            TabCtrl_SetCurSel(Window(), 0);
        }
        return page;
    }

private:
    // The row of tabs is what lies above the display area.
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if ((message == WM_LBUTTONUP || message == WM_RBUTTONUP) &&
            GET_Y_LPARAM(lParam) < DisplayAreaOf(Window()).top) {
            const LRESULT result = Control::HandleMessage(message, wParam, lParam);
            ToCore().TabRowReleased(Id(), message == WM_LBUTTONUP);
            return result;
        }
        return Control::HandleMessage(message, wParam, lParam);
    }
};

}  // namespace

HWND MakeTabPanel(HWND parent, const GadgetRequest& request, Happenings& happenings,
                  ScaledFont& font) {
    return Made<TabPanel>(CreateChild(parent, WC_TABCONTROLW,
                                      WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TCS_FOCUSONBUTTONDOWN, 0,
                                      request.placement),
                          request, happenings, font);
}

void ShowPage(HWND page, bool shown) {
    if (page == nullptr) {
        return;
    }
    if (shown) {
        FitToDisplayArea(page);
        EnableWindow(page, TRUE);
        ShowWindow(page, SW_SHOW);
    } else {
        ShowWindow(page, SW_HIDE);
        EnableWindow(page, FALSE);
    }
}

}  // namespace quillmoor::toolkit::win32
