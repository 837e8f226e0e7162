#pragma once

// Whether a Wayland compositor answers. Qt's Wayland plugin ends the process when it finds no
// compositor, and waits without end for one that takes the connection but never replies.

#include <string>

namespace quillmoor::toolkit::qt {

// "" when the compositor that WAYLAND_DISPLAY names ("wayland-0" when unset, in
// XDG_RUNTIME_DIR unless the name is a path) answers a round trip within kProbeTimeout, else
// why not.
std::string ProbeWayland();

}  // namespace quillmoor::toolkit::qt
