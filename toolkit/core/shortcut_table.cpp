#include "toolkit/core/shortcut_table.h"

#include "toolkit/toolkit.h"

namespace quillmoor::toolkit {

namespace {
constexpr int kLargestEventNumber = 0xFFFF;
}

ShortcutTable::ShortcutTable() {
    entries_[kKeyTab] = kFocusNextEvent;
    entries_[kKeyTab | kModShift] = kFocusPreviousEvent;
}

void ShortcutTable::Bind(std::int32_t shortcut, int eventNumber) {
    if (eventNumber < 0 || eventNumber > kLargestEventNumber) {
        return;
    }
    entries_[shortcut] = eventNumber;
}

std::optional<int> ShortcutTable::Lookup(std::int32_t shortcut) const {
    const auto found = entries_.find(shortcut);
    if (found == entries_.end()) {
        return std::nullopt;
    }
    return found->second;
}

}  // namespace quillmoor::toolkit
