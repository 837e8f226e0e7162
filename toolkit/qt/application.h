#pragma once

// The one QApplication of the process.

#include <QFont>
#include <string>

namespace quillmoor::toolkit::qt {

// Starts Qt on a platform whose display answers; false, with the reason in failure, when there
// is none. A program may end and start the toolkit again: the application is started once.
bool StartApplication(std::string& failure);

// Names the program as the desktop knows it: by its desktop entry's name without ".desktop",
// in reverse-DNS form ("org.example.tool") or plain. Windows opened afterwards carry that name
// as their Wayland app id, so that docks show the entry's icon for them and group them with
// its launcher. The application's own name is the last part ("tool"): X11 shows it as the
// class in WM_CLASS, which the entry names as its StartupWMClass.
void NameProgram(const std::string& desktopEntry);

// The font of new widgets.
QFont DialogFont();

}  // namespace quillmoor::toolkit::qt
