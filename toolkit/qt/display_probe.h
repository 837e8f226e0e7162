#pragma once

// Qt's platform plugins end the process when they cannot reach their display. Before Qt is
// started, the toolkit works out which platform Qt would use and whether its display answers,
// so that a missing display is a failure the caller can report, never an abort.

#include <optional>
#include <string>
#include <string_view>

namespace quillmoor::toolkit::qt {

// An X display name taken apart: a local socket when host is empty ("unix" counts as empty),
// TCP port 6000 + display otherwise. A host starting with "/" is itself a socket path.
struct XDisplayAddress {
    std::string host;
    int display = 0;
};
std::optional<XDisplayAddress> ParseXDisplay(std::string_view name);

// The platform to start Qt with ("xcb", "offscreen", "wayland", with any ":options"), or,
// when none can be reached, the reason in one line, naming each platform tried and why it
// failed. QT_QPA_PLATFORM, when set, names the platforms to try, in order. Otherwise a Wayland
// session (XDG_SESSION_TYPE=wayland, or a WAYLAND_DISPLAY that answers) tries Wayland and
// then X, any other session X and then Wayland.
struct PlatformChoice {
    std::string platform;
    std::string failure;
};
PlatformChoice ChoosePlatform();

}  // namespace quillmoor::toolkit::qt
