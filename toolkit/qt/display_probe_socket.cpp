#include "toolkit/qt/display_probe_socket.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>

namespace quillmoor::toolkit::qt {

namespace {

// Waits for a non-blocking connect() to finish, at most kProbeTimeout.
bool ConnectWithin(int socketFd, const sockaddr* address, socklen_t length) {
    if (::connect(socketFd, address, length) == 0) {
        return true;
    }
    if (errno != EINPROGRESS) {
        return false;
    }
    pollfd waiting{socketFd, POLLOUT, 0};
    if (::poll(&waiting, 1, static_cast<int>(kProbeTimeout.count())) != 1) {
        return false;
    }
    int error = 0;
    socklen_t errorLength = sizeof error;
    return ::getsockopt(socketFd, SOL_SOCKET, SO_ERROR, &error, &errorLength) == 0 && error == 0;
}

}  // namespace

int ConnectUnixSocket(const std::string& path, bool abstractName) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t offset = abstractName ? 1 : 0;
    if (path.empty() || path.size() + offset >= sizeof address.sun_path) {
        return -1;
    }
    std::memcpy(address.sun_path + offset, path.data(), path.size());
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset +
                                               path.size() + (abstractName ? 0 : 1));
    const int socketFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socketFd < 0) {
        return -1;
    }
    if (!ConnectWithin(socketFd, reinterpret_cast<const sockaddr*>(&address), length)) {
        ::close(socketFd);
        return -1;
    }
    return socketFd;
}

bool UnixSocketAnswers(const std::string& path, bool abstractName) {
    const int socketFd = ConnectUnixSocket(path, abstractName);
    if (socketFd < 0) {
        return false;
    }
    ::close(socketFd);
    return true;
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

}  // namespace quillmoor::toolkit::qt
