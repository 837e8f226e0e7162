#include "toolkit/qt/display_probe_wayland.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>

#include "toolkit/qt/display_probe_socket.h"

namespace quillmoor::toolkit::qt {

namespace {

// The first words of the Wayland wire protocol. The display is object 1; its request "sync"
// makes a callback object, whose event "done" the compositor sends once it has handled every
// earlier request. A message is 32-bit words in the host's byte order: the object, then the
// message's size in bytes above its opcode, then the arguments.
constexpr std::uint32_t kDisplayObject = 1;
constexpr std::uint32_t kSyncOpcode = 0;
constexpr std::uint32_t kCallbackObject = 2;
constexpr std::uint32_t kDoneOpcode = 0;
constexpr std::uint32_t kOpcodeMask = 0xffff;
constexpr int kSizeShift = 16;

enum class Reply { Done, Other, HungUp, None };

Reply AwaitSyncReply(int socketFd) {
    const std::array<std::uint32_t, 3> sync = {
        kDisplayObject, (sizeof(std::uint32_t) * 3) << kSizeShift | kSyncOpcode, kCallbackObject};
    if (::send(socketFd, sync.data(), sizeof sync, MSG_NOSIGNAL) !=
        static_cast<ssize_t>(sizeof sync)) {
        return Reply::HungUp;
    }
    std::array<std::uint32_t, 2> header{};
    auto* bytes = reinterpret_cast<char*>(header.data());
    std::size_t received = 0;
    const auto deadline = std::chrono::steady_clock::now() + kProbeTimeout;
    while (received < sizeof header) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd waiting{socketFd, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&waiting, 1, static_cast<int>(left.count())) != 1) {
            return Reply::None;
        }
        const ssize_t count = ::recv(socketFd, bytes + received, sizeof header - received, 0);
        if (count == 0 || (count < 0 && errno != EAGAIN && errno != EINTR)) {
            return Reply::HungUp;
        }
        received += count > 0 ? static_cast<std::size_t>(count) : 0;
    }
    const bool done = header[0] == kCallbackObject && (header[1] & kOpcodeMask) == kDoneOpcode;
    return done ? Reply::Done : Reply::Other;
}

}  // namespace

std::string ProbeWayland() {
    // A compositor that starts a program may hand it a connected socket instead: talking on
    // it here would take the object number that the client library is about to use.
    if (!EnvironmentValue("WAYLAND_SOCKET").empty()) {
        return {};
    }
    std::string path = EnvironmentValue("WAYLAND_DISPLAY");
    if (path.empty()) {
        path = "wayland-0";
    }
    if (path.front() != '/') {
        const std::string runtimeDir = EnvironmentValue("XDG_RUNTIME_DIR");
        if (runtimeDir.empty()) {
            return "XDG_RUNTIME_DIR is not set, so the Wayland display cannot be found";
        }
        path = runtimeDir + "/" + path;
    }
    const int socketFd = ConnectUnixSocket(path, false);
    if (socketFd < 0) {
        return "the Wayland display " + path + " does not answer";
    }
    const Reply reply = AwaitSyncReply(socketFd);
    ::close(socketFd);
    switch (reply) {
        case Reply::Done:
            return {};
        case Reply::Other:
            return "the Wayland display " + path + " does not speak the Wayland protocol";
        case Reply::HungUp:
            return "the Wayland display " + path + " hangs up";
        case Reply::None:
            break;
    }
    return "the Wayland display " + path + " does not answer";
}

}  // namespace quillmoor::toolkit::qt
