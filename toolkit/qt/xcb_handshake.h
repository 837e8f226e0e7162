#pragma once

// Whether an X client may really connect to a display: the server answering is not enough,
// it must also accept our authorisation, or Qt's xcb plugin ends the process.

#include <string>

namespace quillmoor::toolkit::qt {

// "" when a connection to the X display succeeds, else why not. Uses the X client library
// that Qt's xcb plugin itself loads, so that both agree on addresses and authorisation.
std::string TryXConnection(const std::string& displayName);

}  // namespace quillmoor::toolkit::qt
