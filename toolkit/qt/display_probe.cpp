#include "toolkit/qt/display_probe.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QLibraryInfo>
#include <QStringList>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "toolkit/qt/xcb_handshake.h"

namespace quillmoor::toolkit::qt {

namespace {

constexpr int kConnectTimeoutMs = 2000;
constexpr int kFirstXPort = 6000;

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// Waits for a non-blocking connect() to finish, at most kConnectTimeoutMs.
bool ConnectWithin(int socketFd, const sockaddr* address, socklen_t length) {
    if (::connect(socketFd, address, length) == 0) {
        return true;
    }
    if (errno != EINPROGRESS) {
        return false;
    }
    pollfd waiting{socketFd, POLLOUT, 0};
    if (::poll(&waiting, 1, kConnectTimeoutMs) != 1) {
        return false;
    }
    int error = 0;
    socklen_t errorLength = sizeof error;
    return ::getsockopt(socketFd, SOL_SOCKET, SO_ERROR, &error, &errorLength) == 0 && error == 0;
}

bool UnixSocketAnswers(const std::string& path, bool abstractName) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t offset = abstractName ? 1 : 0;
    if (path.empty() || path.size() + offset >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path + offset, path.data(), path.size());
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset +
                                               path.size() + (abstractName ? 0 : 1));
    const int socketFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socketFd < 0) {
        return false;
    }
    const bool answers =
        ConnectWithin(socketFd, reinterpret_cast<const sockaddr*>(&address), length);
    ::close(socketFd);
    return answers;
}

bool TcpPortAnswers(const std::string& host, int port) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) {
        return false;
    }
    bool answers = false;
    for (const addrinfo* entry = found; entry != nullptr && !answers; entry = entry->ai_next) {
        const int socketFd =
            ::socket(entry->ai_family, entry->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                     entry->ai_protocol);
        if (socketFd >= 0) {
            answers = ConnectWithin(socketFd, entry->ai_addr, entry->ai_addrlen);
            ::close(socketFd);
        }
    }
    ::freeaddrinfo(found);
    return answers;
}

// "" when the X display answers and accepts us, else why not. A display that does not even
// answer is found out within kConnectTimeoutMs, before the X client library would wait longer.
std::string ProbeX() {
    const std::string name = Environment("DISPLAY");
    if (name.empty()) {
        return "DISPLAY is not set";
    }
    const std::optional<XDisplayAddress> address = ParseXDisplay(name);
    if (!address) {
        return "DISPLAY \"" + name + "\" is not an X display name";
    }
    bool answers = false;
    if (address->host.empty()) {
        const std::string socketPath = "/tmp/.X11-unix/X" + std::to_string(address->display);
        answers = UnixSocketAnswers(socketPath, true) || UnixSocketAnswers(socketPath, false);
    } else if (address->host.front() == '/') {
        answers = UnixSocketAnswers(address->host, false);
    } else {
        answers = TcpPortAnswers(address->host, kFirstXPort + address->display);
    }
    if (!answers) {
        return "the X display " + name + " does not answer";
    }
    return TryXConnection(name);
}

std::string ProbeWayland() {
    std::string socketPath = Environment("WAYLAND_DISPLAY");
    if (socketPath.empty()) {
        socketPath = "wayland-0";
    }
    if (socketPath.front() != '/') {
        const std::string runtimeDir = Environment("XDG_RUNTIME_DIR");
        if (runtimeDir.empty()) {
            return "XDG_RUNTIME_DIR is not set, so the Wayland display cannot be found";
        }
        socketPath = runtimeDir + "/" + socketPath;
    }
    return UnixSocketAnswers(socketPath, false)
               ? std::string()
               : "the Wayland display " + socketPath + " does not answer";
}

// Qt ends the process, too, when the named plugin is missing.
bool PluginInstalled(const std::string& name) {
    QStringList folders = {QLibraryInfo::path(QLibraryInfo::PluginsPath)};
    folders +=
        QString::fromLocal8Bit(Environment("QT_PLUGIN_PATH")).split(u':', Qt::SkipEmptyParts);
    const QString pattern = QStringLiteral("libq%1*").arg(QString::fromStdString(name));
    for (const QString& folder : folders) {
        if (!QDir(folder + QStringLiteral("/platforms"))
                 .entryList({pattern}, QDir::Files)
                 .isEmpty()) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> PlatformCandidates() {
    const std::string requested = Environment("QT_QPA_PLATFORM");
    std::vector<std::string> candidates;
    std::size_t start = 0;
    while (start <= requested.size()) {
        const std::size_t end = std::min(requested.find(';', start), requested.size());
        if (end > start) {
            candidates.push_back(requested.substr(start, end - start));
        }
        start = end + 1;
    }
    if (candidates.empty()) {
        candidates.push_back("xcb");
    }
    return candidates;
}

}  // namespace

std::optional<XDisplayAddress> ParseXDisplay(std::string_view name) {
    const std::size_t colon = name.rfind(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view host = name.substr(0, colon);
    if (!host.empty() && host.front() != '/') {
        if (const std::size_t slash = host.find('/'); slash != std::string_view::npos) {
            host.remove_prefix(slash + 1);
        }
        if (host == "unix") {
            host = {};
        }
    }
    const std::string_view number = name.substr(colon + 1);
    XDisplayAddress address{std::string(host), 0};
    const auto [end, error] =
        std::from_chars(number.data(), number.data() + number.size(), address.display);
    const bool screenFollows = end != number.data() + number.size() && *end == '.';
    if (error != std::errc() || address.display < 0 ||
        (end != number.data() + number.size() && !screenFollows)) {
        return std::nullopt;
    }
    return address;
}

PlatformChoice ChoosePlatform() {
    std::string reasons;
    for (const std::string& candidate : PlatformCandidates()) {
        const std::string name = candidate.substr(0, candidate.find(':'));
        std::string reason;
        if (!PluginInstalled(name)) {
            reason = "the Qt platform plugin \"" + name + "\" is not installed";
        } else if (name == "xcb") {
            reason = ProbeX();
        } else if (name.starts_with("wayland")) {
            reason = ProbeWayland();
        }
        if (reason.empty()) {
            return {candidate, {}};
        }
        reasons += (reasons.empty() ? "" : "; ") + reason;
    }
    return {{}, "no display: " + reasons};
}

}  // namespace quillmoor::toolkit::qt
