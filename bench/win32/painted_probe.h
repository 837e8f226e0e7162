#pragma once

// The moment a Windows start-up benchmark program counts as started: its window and all its
// controls have been painted and the messages pending by then have been handled. Both start-up
// programs use this same probe, so that the comparison between them is fair.

#include "toolkit/win32/windows_api.h"

namespace quillmoor::bench {

// Paints what is still unpainted of the window and its children, handles the pending messages,
// then prints one line on stdout, "painted <peak working set in KiB>", for the parent that
// takes the time on reading it.
void ReportPainted(HWND window);

}  // namespace quillmoor::bench
