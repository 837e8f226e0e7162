// A DLL named as one of Windows' own, as someone may put it beside a program. Once loaded it
// leaves a file beside itself, named as itself with ".loaded" added.

#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID /*reserved*/) {
    if (reason != DLL_PROCESS_ATTACH) {
        return TRUE;
    }
    constexpr wchar_t kSuffix[] = L".loaded";
    wchar_t marker[MAX_PATH + sizeof kSuffix / sizeof kSuffix[0]] = {};
    const DWORD length = GetModuleFileNameW(self, marker, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        lstrcatW(marker, kSuffix);
        CloseHandle(CreateFileW(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    return TRUE;
}
