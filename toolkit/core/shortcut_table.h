#pragma once

// One window's keyboard shortcuts: key code plus modifier bits (see toolkit.h) mapped to a
// 16-bit event number. A new table holds the toolkit's own Tab and Shift+Tab entries.

#include <cstdint>
#include <map>
#include <optional>

namespace quillmoor::toolkit {

class ShortcutTable {
public:
    ShortcutTable();

    // Replaces the number of a combination already bound. Event numbers outside 0..65535
    // are refused and change nothing.
    void Bind(std::int32_t shortcut, int eventNumber);
    // Exact match of key code and modifier bits.
    std::optional<int> Lookup(std::int32_t shortcut) const;

private:
    std::map<std::int32_t, int> entries_;
};

}  // namespace quillmoor::toolkit
