#include "toolkit/focus_order.h"

#include <algorithm>
#include <cstddef>

namespace quillmoor::toolkit {

std::optional<int> NextFocus(const std::vector<FocusSlot>& slots, int focused,
                             FocusDirection direction) {
    const std::size_t count = slots.size();
    const auto focusedSlot =
        std::find_if(slots.begin(), slots.end(),
                     [focused](const FocusSlot& slot) { return slot.gadget == focused; });
    const bool forward = direction == FocusDirection::Next;
    // Without a focused slot the walk starts just outside the list, so that its first step
    // lands on the first slot (forward) or the last one (backward).
    std::size_t position = focusedSlot != slots.end()
                               ? static_cast<std::size_t>(focusedSlot - slots.begin())
                               : (forward ? count - 1 : 0);
    for (std::size_t step = 0; step < count; ++step) {
        position = forward ? (position + 1) % count : (position + count - 1) % count;
        if (slots[position].candidate) {
            return slots[position].gadget;
        }
    }
    return std::nullopt;
}

}  // namespace quillmoor::toolkit
