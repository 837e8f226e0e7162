#include "toolkit/win32/tab_texture.h"

#include "toolkit/win32/system_library.h"

namespace quillmoor::toolkit::win32 {

void ShowTabTexture(HWND page) {
    using EnableTextureCall = HRESULT(WINAPI*)(HWND, DWORD);
    static const auto enableTexture = LibraryCall<EnableTextureCall>(
        LoadSystemLibrary(L"uxtheme.dll"), "EnableThemeDialogTexture");
    if (enableTexture != nullptr) {
        enableTexture(page, ETDT_ENABLETAB);
    }
}

}  // namespace quillmoor::toolkit::win32
