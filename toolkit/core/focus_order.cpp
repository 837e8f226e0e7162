#include "toolkit/core/focus_order.h"

#include <algorithm>
#include <cstddef>

namespace quillmoor::toolkit {

std::optional<int> NextFocus(const std::vector<FocusSlot>& stops, int focused,
                             FocusDirection direction) {
    const std::size_t count = stops.size();
    const auto focusedSlot =
        std::find_if(stops.begin(), stops.end(),
                     [focused](const FocusSlot& slot) { return slot.gadget == focused; });
    const bool forward = direction == FocusDirection::Next;
    // Without a focused slot the walk starts just outside the list, so that its first step
    // lands on the first slot (forward) or the last one (backward).
    std::size_t position = focusedSlot != stops.end()
                               ? static_cast<std::size_t>(focusedSlot - stops.begin())
                               : (forward ? count - 1 : 0);
    for (std::size_t step = 0; step < count; ++step) {
        position = forward ? (position + 1) % count : (position + count - 1) % count;
        if (stops[position].candidate) {
            return stops[position].gadget;
        }
    }
    return std::nullopt;
}

}  // namespace quillmoor::toolkit
