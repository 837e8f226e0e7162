#pragma once

// What Windows tells about any window: its text, the name of its class, and whether an edit or
// rich edit control takes typing. For the realisation, and for the tests and benchmarks that
// read its windows back.

#include <string>

#include "toolkit/win32/windows_api.h"

namespace quillmoor::toolkit::win32 {

// The window's whole text; "" for none.
std::wstring WindowText(HWND window);
// The name its class was registered under, as Windows spells it.
std::wstring ClassName(HWND window);
// Whether an edit or rich edit control has the style ES_READONLY.
bool IsReadOnly(HWND control);

}  // namespace quillmoor::toolkit::win32
