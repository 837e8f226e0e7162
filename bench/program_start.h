#pragma once

// What the program does at start that a user sees, done directly with Qt, for the Qt start-up
// yardsticks: the platform chosen as the program chooses it and the program's window icon.

#include <QIcon>

namespace quillmoor::bench {

// Call before the QApplication is made. Where QT_QPA_PLATFORM is unset, asks Qt for Wayland
// and then X in a Wayland session, for X and then Wayland anywhere else, and lets Qt take the
// first that connects.
void ChoosePlatformAsTheProgram();

// The program's icon in all four of its sizes, read from the program's resources as PNG.
QIcon ProgramIcon();

}  // namespace quillmoor::bench
