#pragma once

// A panel gadget: a tab control whose tabs each name a page, a container window laid over the
// display area below the row of tabs.

#include <string>

#include "toolkit/win32/control.h"

namespace quillmoor::toolkit::win32 {

class TabPanel final : public Control {
public:
    TabPanel(HWND window, Placement placement, Happenings& happenings, ScaledFont& font);

    LRESULT OnNotify(const NMHDR& header) override;
    // Its pages are fitted again to the display area that its new size and font leave.
    void PlaceForDpi(int dpi) override;

    // A tab with an empty page at index, the first tab selected when none was; the page, or
    // nullptr when it cannot be made.
    HWND InsertTab(int index, const std::wstring& caption);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnTabRow(LPARAM point) const;
};

// A page that is not shown is hidden and disabled with all it holds; a shown one fills its
// panel's display area.
void ShowPage(HWND page, bool shown);

}  // namespace quillmoor::toolkit::win32
