#pragma once

// The one QApplication of the process.

#include <QFont>
#include <string>

namespace quillmoor::toolkit::qt {

// Starts Qt on a platform whose display answers; false, with the reason in failure, when there
// is none. A program may end and start the toolkit again: the application is started once.
bool StartApplication(std::string& failure);

// The font of new widgets.
QFont DialogFont();

}  // namespace quillmoor::toolkit::qt
