#pragma once

// Windows' high contrast, read in this one function. It sits alone in its file so that a test
// can link a stand-in in its place: Wine cannot switch high contrast on.

namespace quillmoor::toolkit::win32 {

// Whether the user has high contrast on, as SPI_GETHIGHCONTRAST says; off when it cannot say.
bool HighContrastOn();

}  // namespace quillmoor::toolkit::win32
