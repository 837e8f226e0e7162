#pragma once

// Turns what the user does to a gadget into gadget events, per kind:
//   tab panel  0 once another tab's page is shown, 1 on release of a left click on the tabs
//   list box   0 on selection change and on release after a press without drag,
//              14002 on drag, 2 on double-click
//   check box, push button  0 on click
//   text field 768 on text change, 14000 / 14001 on focus in / out
//   editor     nothing
// Changes made inside a SilentChange post nothing.

#include <QObject>
#include <QWidget>

#include "toolkit/core/gadget_kind.h"

namespace quillmoor::toolkit::qt {

// The watcher is a child of the widget; deleting it earlier stops the gadget's events.
QObject* CreateGadgetWatcher(int gadget, int window, GadgetKind kind, QWidget* widget);

}  // namespace quillmoor::toolkit::qt
