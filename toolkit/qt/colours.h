#pragma once

#include <QWidget>

#include "toolkit/toolkit.h"

namespace quillmoor::toolkit::qt {

// The text or background colour of a text field, list or editor; kDefaultColour leaves it to
// the desktop.
void ApplyColour(QWidget& widget, ColourType type, Colour colour);
// Builds the widget's palette anew from the colours it was given and the desktop's palette now.
void ShowColours(QWidget& widget);
// The colour the desktop gives the widget's text.
Colour DesktopTextColour(const QWidget& widget);

}  // namespace quillmoor::toolkit::qt
