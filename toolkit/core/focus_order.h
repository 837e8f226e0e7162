#pragma once

// Where Tab and Shift+Tab move the keyboard focus, without any platform in it.

#include <optional>
#include <vector>

namespace quillmoor::toolkit {

// One gadget of the active window; the list is in creation order.
struct FocusSlot {
    int gadget;
    bool candidate;  // visible, enabled and able to take the focus
};

enum class FocusDirection { Next, Previous };

// The candidate after (Next) or before (Previous) the focused gadget, wrapping around; with
// no focused gadget (-1, or one not in the list), the first or last candidate. The focused
// gadget counts by its place even when it is no candidate itself; when it is the only
// candidate it keeps the focus. Nothing when there is no candidate at all.
std::optional<int> NextFocus(const std::vector<FocusSlot>& stops, int focused,
                             FocusDirection direction);

}  // namespace quillmoor::toolkit
