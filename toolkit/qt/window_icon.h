#pragma once

#include <QIcon>
#include <string>

namespace quillmoor::toolkit::qt {

// The program's icon from its resources: ":/<resource>-16.png", "-32", "-48" and "-256", as
// many of them as exist. An empty icon when the resource name is empty.
QIcon ProgramIcon(const std::string& resource);

}  // namespace quillmoor::toolkit::qt
