#include "bench/win32/painted_probe.h"

#include <psapi.h>

#include <cstdio>

namespace quillmoor::bench {

void ReportPainted(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::printf("painted %zu\n", memory.PeakWorkingSetSize / 1024);
    std::fflush(stdout);
}

}  // namespace quillmoor::bench
