#include "toolkit/win32/system_library.h"

#include <string>

namespace quillmoor::toolkit::win32 {

namespace {

using SetDefaultDllDirectoriesCall = BOOL(WINAPI*)(DWORD);

// The file in the system folder by its full path; its own imports are then looked for beside it
// first, not beside the program.
HMODULE LoadFromSystemFolderByPath(const wchar_t* fileName) {
    const UINT size = GetSystemDirectoryW(nullptr, 0);
    if (size == 0) {
        return nullptr;
    }
    std::wstring path(size, L'\0');
    const UINT length = GetSystemDirectoryW(path.data(), size);
    if (length == 0 || length >= size) {
        return nullptr;
    }
    path.resize(length);
    path += L'\\';
    path += fileName;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace

void SearchSystemFolderOnly() {
    const auto setDefaultDirectories = LibraryCall<SetDefaultDllDirectoriesCall>(
        GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (setDefaultDirectories == nullptr || !setDefaultDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        SetDllDirectoryW(L"");
    }
}

HMODULE LoadSystemLibrary(const wchar_t* fileName) {
    if (const HMODULE library = LoadLibraryExW(fileName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        return library;
    }
    // Windows without the search flags refuses them as an invalid parameter.
    if (GetLastError() != ERROR_INVALID_PARAMETER) {
        return nullptr;
    }
    return LoadFromSystemFolderByPath(fileName);
}

}  // namespace quillmoor::toolkit::win32
