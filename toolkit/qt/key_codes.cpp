#include "toolkit/qt/key_codes.h"

#include <algorithm>
#include <array>
#include <utility>

#include "toolkit/toolkit.h"

namespace quillmoor::toolkit::qt {

namespace {

using KeyPair = std::pair<int, std::int32_t>;  // Qt key, virtual-key number

constexpr std::array kNamedKeys = {
    KeyPair{Qt::Key_Return, kKeyReturn},
    KeyPair{Qt::Key_Enter, kKeyReturn},
    KeyPair{Qt::Key_Tab, kKeyTab},
    KeyPair{Qt::Key_Backtab, kKeyTab},
    KeyPair{Qt::Key_Backspace, 8},
    KeyPair{Qt::Key_Escape, 27},
    KeyPair{Qt::Key_Space, 32},
    KeyPair{Qt::Key_PageUp, 33},
    KeyPair{Qt::Key_PageDown, 34},
    KeyPair{Qt::Key_End, 35},
    KeyPair{Qt::Key_Home, 36},
    KeyPair{Qt::Key_Left, 37},
    KeyPair{Qt::Key_Up, 38},
    KeyPair{Qt::Key_Right, 39},
    KeyPair{Qt::Key_Down, 40},
    KeyPair{Qt::Key_Insert, 45},
    KeyPair{Qt::Key_Delete, 46},
};

// The keypad's own keys while Num Lock is on; Enter is Return on both boards.
constexpr std::array kKeypadKeys = {
    KeyPair{Qt::Key_Asterisk, 106}, KeyPair{Qt::Key_Plus, 107},  KeyPair{Qt::Key_Minus, 109},
    KeyPair{Qt::Key_Period, 110},   KeyPair{Qt::Key_Comma, 110}, KeyPair{Qt::Key_Slash, 111},
};
constexpr std::int32_t kVirtualNumpad0 = 96;
constexpr std::int32_t kVirtualF1 = 112;

template <std::size_t N>
std::optional<std::int32_t> Lookup(const std::array<KeyPair, N>& table, int key) {
    const auto found = std::find_if(table.begin(), table.end(),
                                    [key](const KeyPair& pair) { return pair.first == key; });
    if (found == table.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::optional<std::int32_t> VirtualKeyOf(int key, bool onKeypad) {
    const bool isDigit = key >= Qt::Key_0 && key <= Qt::Key_9;
    if (onKeypad && isDigit) {
        return kVirtualNumpad0 + (key - Qt::Key_0);
    }
    if (onKeypad) {
        if (const auto keypadKey = Lookup(kKeypadKeys, key)) {
            return keypadKey;
        }
    }
    if (isDigit || (key >= Qt::Key_A && key <= Qt::Key_Z)) {
        return key;  // digits and capitals are the same numbers in both worlds
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return kVirtualF1 + (key - Qt::Key_F1);
    }
    return Lookup(kNamedKeys, key);
}

}  // namespace

std::optional<std::int32_t> ShortcutOf(const QKeyEvent& event) {
    const int key = event.key();
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const auto code = VirtualKeyOf(key, modifiers.testFlag(Qt::KeypadModifier));
    if (!code) {
        return std::nullopt;
    }
    std::int32_t shortcut = *code;
    if (modifiers.testFlag(Qt::ShiftModifier) || key == Qt::Key_Backtab) {
        shortcut |= kModShift;
    }
    if (modifiers.testFlag(Qt::ControlModifier)) {
        shortcut |= kModControl;
    }
    if (modifiers.testFlag(Qt::AltModifier)) {
        shortcut |= kModAlt;
    }
    return shortcut;
}

}  // namespace quillmoor::toolkit::qt
