#include "toolkit/win32/win32_platform.h"

namespace quillmoor::toolkit::win32 {

bool HighContrastOn() {
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof setting;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) != FALSE &&
           (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace quillmoor::toolkit::win32
