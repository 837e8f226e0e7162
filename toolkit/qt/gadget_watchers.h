#pragma once

// Reports what the user does to a gadget's widget as happenings, per kind: a tab panel's
// selection and tab-row releases, a list's mouse and selection, a text field's text and focus,
// a button's or check box's clicks. The editor reports nothing.

#include <QWidget>

#include "toolkit/core/platform.h"

namespace quillmoor::toolkit::qt {

// The watchers are children of the widget and go with it.
void WatchGadget(QWidget& widget, GadgetKind kind, Happenings& happenings);

}  // namespace quillmoor::toolkit::qt
