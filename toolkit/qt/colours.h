#pragma once

#include <QWidget>

#include "toolkit/toolkit.h"

namespace quillmoor::toolkit::qt {

// The text or background colour of a text field, list or editor; kDefaultColour brings back
// the platform's.
void ApplyColour(QWidget& widget, ColourType type, Colour colour);

}  // namespace quillmoor::toolkit::qt
