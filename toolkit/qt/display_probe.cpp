#include "toolkit/qt/display_probe.h"

#include <QDir>
#include <QLibraryInfo>
#include <QStringList>
#include <algorithm>
#include <charconv>
#include <optional>
#include <vector>

#include "toolkit/qt/display_probe_socket.h"
#include "toolkit/qt/display_probe_wayland.h"
#include "toolkit/qt/xcb_handshake.h"

namespace quillmoor::toolkit::qt {

namespace {

constexpr int kFirstXPort = 6000;

// "" when the X display answers and accepts us, else why not. A display that does not even
// answer is found out within kProbeTimeout, before the X client library would wait longer.
std::string ProbeX() {
    const std::string name = EnvironmentValue("DISPLAY");
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

// Qt ends the process, too, when the named plugin is missing.
bool PluginInstalled(const std::string& name) {
    QStringList folders = {QLibraryInfo::path(QLibraryInfo::PluginsPath)};
    folders +=
        QString::fromLocal8Bit(EnvironmentValue("QT_PLUGIN_PATH")).split(u':', Qt::SkipEmptyParts);
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

// The platforms named by QT_QPA_PLATFORM, in its order; none when it is unset.
std::vector<std::string> RequestedPlatforms() {
    const std::string requested = EnvironmentValue("QT_QPA_PLATFORM");
    std::vector<std::string> platforms;
    std::size_t start = 0;
    while (start <= requested.size()) {
        const std::size_t end = std::min(requested.find(';', start), requested.size());
        if (end > start) {
            platforms.push_back(requested.substr(start, end - start));
        }
        start = end + 1;
    }
    return platforms;
}

// Probes each display at most once: the session's kind may depend on the Wayland display.
class DisplayProbes {
public:
    const std::string& Wayland() {
        if (!wayland_) {
            wayland_ = ProbeWayland();
        }
        return *wayland_;
    }

    // A Wayland session says so, or at least names a Wayland display that answers.
    bool InWaylandSession() {
        return EnvironmentValue("XDG_SESSION_TYPE") == "wayland" ||
               (!EnvironmentValue("WAYLAND_DISPLAY").empty() && Wayland().empty());
    }

    // "" when Qt may start on the platform, else why not.
    std::string Platform(const std::string& name) {
        if (!PluginInstalled(name)) {
            return "the Qt platform plugin \"" + name + "\" is not installed";
        }
        if (name == "xcb") {
            return ProbeX();
        }
        if (name.starts_with("wayland")) {
            return Wayland();
        }
        return {};
    }

private:
    std::optional<std::string> wayland_;
};

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
    DisplayProbes probes;
    std::vector<std::string> candidates = RequestedPlatforms();
    if (candidates.empty()) {
        candidates = probes.InWaylandSession() ? std::vector<std::string>{"wayland", "xcb"}
                                               : std::vector<std::string>{"xcb", "wayland"};
    }
    std::string reasons;
    for (const std::string& candidate : candidates) {
        const std::string reason = probes.Platform(candidate.substr(0, candidate.find(':')));
        if (reason.empty()) {
            return {candidate, {}};
        }
        reasons += (reasons.empty() ? "" : "; ") + candidate + ": " + reason;
    }
    return {{}, "no display: " + reasons};
}

}  // namespace quillmoor::toolkit::qt
