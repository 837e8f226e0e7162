#include "toolkit/win32/tab_panel.h"

#include <algorithm>
#include <vector>

#include "toolkit/win32/containers.h"

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

}  // namespace

TabPanel::TabPanel(HWND window, Placement placement, Happenings& happenings, ScaledFont& font)
    : Control(window, placement, happenings, font) {}

LRESULT TabPanel::OnNotify(const NMHDR& header) {
    if (header.code == TCN_SELCHANGING) {
        ToCore().TabChanging(Id());
    } else if (header.code == TCN_SELCHANGE) {
        KeepOnlySelectedTabPressed(Window());
        ToCore().TabChanged(Id(), TabCtrl_GetCurSel(Window()));
    }
    return 0;
}

// A page fitted comes to the top: fitting them last to first keeps their order.
void TabPanel::PlaceForDpi(int dpi) {
    Control::PlaceForDpi(dpi);
    std::vector<HWND> pages;
    for (HWND page = GetWindow(Window(), GW_CHILD); page != nullptr;
         page = GetWindow(page, GW_HWNDNEXT)) {
        pages.push_back(page);
    }
    std::for_each(pages.rbegin(), pages.rend(), FitToDisplayArea);
}

// The tab's own data names its page.
HWND TabPanel::InsertTab(int index, const std::wstring& caption) {
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

// The row of tabs is what lies above the display area.
bool TabPanel::OnTabRow(LPARAM point) const {
    return GET_Y_LPARAM(point) < DisplayAreaOf(Window()).top;
}

LRESULT TabPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if ((message == WM_LBUTTONUP || message == WM_RBUTTONUP) && OnTabRow(lParam)) {
        const LRESULT result = Control::HandleMessage(message, wParam, lParam);
        ToCore().TabRowReleased(Id(), message == WM_LBUTTONUP);
        return result;
    }
    return Control::HandleMessage(message, wParam, lParam);
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
