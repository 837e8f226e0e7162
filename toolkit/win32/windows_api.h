#pragma once

// The Windows headers, for every file that needs them. Their RGB macro would hide the toolkit's
// RGB(), so the toolkit's contract is read first and the macro goes after; no file includes
// a Windows header but through this one.

#include "toolkit/toolkit.h"

// Must follow toolkit.h.
#include <windows.h>
// Must follow windows.h.
#include <commctrl.h>
#include <richedit.h>
#include <uxtheme.h>
#include <windowsx.h>

#undef RGB
