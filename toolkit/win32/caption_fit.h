#pragma once

// A read-only field is a caption: it shows its whole text where it can. One that cannot first
// gives up most of its inner margin, then shows its text in a narrower face, down to three
// quarters of its own; a text that still does not fit scrolls as in any field.

#include "toolkit/win32/windows_api.h"

namespace quillmoor::toolkit::win32 {

// Keeps the field's text whole from now on, whenever its text, font or size changes; the
// fonts it makes for that go with the field. Does nothing for a field the user may type in.
void KeepCaptionWhole(HWND field);

}  // namespace quillmoor::toolkit::win32
