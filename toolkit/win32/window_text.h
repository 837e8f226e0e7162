#pragma once

// What Windows tells about any window as a string: its text and the name of its class. For the
// realisation, and for the tests and benchmarks that read its windows back.

#include <string>

#include "toolkit/win32/windows_api.h"

namespace quillmoor::toolkit::win32 {

// The window's whole text; "" for none.
std::wstring WindowText(HWND window);
// The name its class was registered under, as Windows spells it.
std::wstring ClassName(HWND window);

}  // namespace quillmoor::toolkit::win32
