#pragma once

// Builds the Qt widget of each gadget kind, placed, shown, and taking the focus when clicked
// and by Tab.

#include <QWidget>

#include "toolkit/core/platform.h"

namespace quillmoor::toolkit::qt {

QWidget* MakeWidget(QWidget& parent, const GadgetRequest& request);

}  // namespace quillmoor::toolkit::qt
