#pragma once

// Text put on the clipboard as programs read it: UTF-16, and the program's own Windows-1252
// form beside it, each in a block that holds the text and its terminating NUL and nothing more.

#include <string_view>

#include "toolkit/win32/windows_api.h"

namespace quillmoor::toolkit::win32 {

// Replaces what the clipboard holds; false when the clipboard could not be had or filled.
bool PutTextOnClipboard(HWND owner, std::wstring_view text);

}  // namespace quillmoor::toolkit::win32
