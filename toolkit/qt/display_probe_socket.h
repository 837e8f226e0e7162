#pragma once

// What a probe of a display reads and the connections it makes. Each connection gives up within
// kProbeTimeout, so that a display that does not answer is found out before the client
// libraries would wait longer.

#include <chrono>
#include <cstdlib>
#include <string>

namespace quillmoor::toolkit::qt {

inline std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

inline constexpr std::chrono::milliseconds kProbeTimeout{2000};

// A non-blocking socket connected to the Unix socket at path (in the abstract namespace when
// abstractName is set), or -1. The caller closes it.
int ConnectUnixSocket(const std::string& path, bool abstractName);

// Whether something accepts connections on the socket or the TCP port.
bool UnixSocketAnswers(const std::string& path, bool abstractName);
bool TcpPortAnswers(const std::string& host, int port);

}  // namespace quillmoor::toolkit::qt
