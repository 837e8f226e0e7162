#pragma once

// Windows' own DLLs, taken from the system folder alone. A DLL of the same name in the program's
// folder (a Downloads folder, say) or in the current one is never loaded in their place.

#include "toolkit/win32/windows_api.h"

namespace quillmoor::toolkit::win32 {

// From now on no library is looked for in the program's folder when loaded by name alone, by
// this program or by any DLL it uses; only the system folder is searched. Where Windows cannot
// do that (Windows 7 without update KB2533623), at least the current folder leaves the search.
void SearchSystemFolderOnly();

// The library of that file name from the system folder; nullptr when it is not there.
HMODULE LoadSystemLibrary(const wchar_t* fileName);

// A function of a library looked up at run time, as a pointer of its type; nullptr where the
// library or the function is missing.
template <typename Call>
Call LibraryCall(HMODULE library, const char* name) {
    return library == nullptr
               ? nullptr
               : reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace quillmoor::toolkit::win32
