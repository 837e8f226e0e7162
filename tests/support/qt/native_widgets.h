#pragma once

// The Qt widget behind a window or gadget number, for the tests that drive Qt directly or check
// facts only Qt has.

#include <QWidget>

namespace quillmoor::test {

// nullptr when the number names nothing.
QWidget* GadgetWidget(int gadget);
QWidget* WindowWidget(int window);

}  // namespace quillmoor::test
