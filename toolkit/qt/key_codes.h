#pragma once

// Qt's keys in the shortcut table's terms: the platform's virtual-key numbers plus the
// Shift, Control and Alt bits of toolkit.h.

#include <QKeyEvent>
#include <cstdint>
#include <optional>

namespace quillmoor::toolkit::qt {

// Key code and modifier bits of a key press; nothing for a key without a virtual-key number
// (a lone modifier, a dead key). The keypad's Enter is Return, Backtab is Shift+Tab.
std::optional<std::int32_t> ShortcutOf(const QKeyEvent& event);

}  // namespace quillmoor::toolkit::qt
