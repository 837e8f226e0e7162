#pragma once

// The Qt widget behind a window or gadget number, for the tests that drive Qt directly or check
// facts only Qt has.

#include <QWidget>

namespace quillmoor::test {

// nullptr when the number names nothing.
QWidget* GadgetWidget(int gadget);
QWidget* WindowWidget(int window);

// Wayland leaves the activation of windows to the compositor, which gives a newly shown window
// the keyboard of its seat. The tests' headless compositor has no seat and so never activates
// one: there the driver tells Qt of the activation itself, once the window is on the screen, as
// a desktop's compositor would.
bool CompositorActivatesWindows();

// Activates a shown window and waits until it is active; false when it does not become so.
bool ActivateShownWindow(QWidget& window);

}  // namespace quillmoor::test
