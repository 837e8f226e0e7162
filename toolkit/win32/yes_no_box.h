#pragma once

// The toolkit's Yes/No question: the system's message box, its buttons labelled as the form's
// own texts are, whatever language Windows speaks.

#include <string>

#include "toolkit/toolkit.h"
#include "toolkit/win32/windows_api.h"

namespace quillmoor::toolkit::win32 {

// The dialog manager answers the marked letter alone, as the system's own box does.
inline constexpr wchar_t kYesCaption[] = L"&Ja";
inline constexpr wchar_t kNoCaption[] = L"&Nein";

// Modal for the thread's windows, owned by owner when it is not null.
Answer AskYesNo(HWND owner, const std::wstring& title, const std::wstring& text);

}  // namespace quillmoor::toolkit::win32
