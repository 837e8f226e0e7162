#pragma once

// A control's answer to assistive technology once the toolkit has named it. A screen reader
// asks a control for its MSAA object with WM_GETOBJECT, and UI Automation reads the standard
// controls through the same object. Windows makes that object from the control's class and
// takes the name from the control's text or from a static label before it: a caption that is a
// read-only field labels nothing, and a button's "+" says nothing of what it does.

#include <string>

#include "toolkit/win32/windows_api.h"

namespace quillmoor::toolkit::win32 {

// The answer to a WM_GETOBJECT with these parameters: the object Windows itself would give the
// control's client area, with the name given. 0 when the request is for another of its objects
// or the object cannot be made, so that the message takes its usual course.
LRESULT AnswerWithName(HWND control, WPARAM wParam, LPARAM lParam, const std::wstring& name);

}  // namespace quillmoor::toolkit::win32
