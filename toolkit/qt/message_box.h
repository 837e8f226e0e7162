#pragma once

#include <QString>

#include "toolkit/toolkit.h"

namespace quillmoor::toolkit::qt {

// A modal box with the buttons "Ja" (the default) and "Nein", their access keys J and N, and no
// icon, owned by the active window when that is one of the toolkit's.
Answer AskYesNo(const QString& title, const QString& text);

}  // namespace quillmoor::toolkit::qt
