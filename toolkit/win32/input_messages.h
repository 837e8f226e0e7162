#pragma once

// How the toolkit reads the thread's messages: which are the user's input, and the shortcut
// code a key press makes with the modifiers held at that moment.

#include <cstdint>

#include "toolkit/win32/windows_api.h"

namespace quillmoor::toolkit::win32 {

bool IsUserInput(UINT message);
bool IsKeyPress(UINT message);
// The virtual-key code plus the toolkit's modifier bits. The keypad's Enter is VK_RETURN with
// the extended-key flag, and so the same code as the main Return key.
std::int32_t ShortcutOf(const MSG& keyPress);

}  // namespace quillmoor::toolkit::win32
