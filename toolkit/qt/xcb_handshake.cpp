#include "toolkit/qt/xcb_handshake.h"

#include <dlfcn.h>
#include <pthread.h>

#include <csignal>
#include <ctime>

namespace quillmoor::toolkit::qt {

namespace {

// The three entry points of libxcb that a connection test needs, declared by hand: the
// library is loaded at run time, so that the toolkit does not link against it.
struct XcbConnection;
using ConnectFunction = XcbConnection* (*)(const char* displayName, int* screen);
using HasErrorFunction = int (*)(XcbConnection* connection);
using DisconnectFunction = void (*)(XcbConnection* connection);

constexpr const char* kXcbLibrary = "libxcb.so.1";

// The X client library writes its greeting with writev(), which raises SIGPIPE when the server
// has hung up by then, as a server that turns clients away may do at once. The signal would end
// the program where the probe should report the refusal: it is held back in this thread while
// the library talks to the server, and one raised meanwhile is taken.
class SigpipeHeldBack {
public:
    SigpipeHeldBack() {
        sigemptyset(&pipe_);
        sigaddset(&pipe_, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipe_, &previous_);
        sigset_t pending;
        sigpending(&pending);
        pendingBefore_ = sigismember(&pending, SIGPIPE) == 1;
    }
    ~SigpipeHeldBack() {
        if (!pendingBefore_) {
            const timespec noWait{};
            sigtimedwait(&pipe_, nullptr, &noWait);
        }
        pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    }
    SigpipeHeldBack(const SigpipeHeldBack&) = delete;
    SigpipeHeldBack& operator=(const SigpipeHeldBack&) = delete;

private:
    sigset_t pipe_{};
    sigset_t previous_{};
    bool pendingBefore_ = false;
};

template <typename Function>
Function Symbol(void* library, const char* name) {
    return reinterpret_cast<Function>(dlsym(library, name));
}

}  // namespace

std::string TryXConnection(const std::string& displayName) {
    void* library = dlopen(kXcbLibrary, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        return std::string("the X client library ") + kXcbLibrary + " cannot be loaded";
    }
    const auto connect = Symbol<ConnectFunction>(library, "xcb_connect");
    const auto hasError = Symbol<HasErrorFunction>(library, "xcb_connection_has_error");
    const auto disconnect = Symbol<DisconnectFunction>(library, "xcb_disconnect");
    std::string failure;
    if (connect == nullptr || hasError == nullptr || disconnect == nullptr) {
        failure = std::string("the X client library ") + kXcbLibrary + " is incomplete";
    } else {
        const SigpipeHeldBack heldBack;
        XcbConnection* connection = connect(displayName.c_str(), nullptr);
        if (hasError(connection) != 0) {
            failure = "the X display " + displayName + " refuses the connection";
        }
        disconnect(connection);
    }
    dlclose(library);
    return failure;
}

}  // namespace quillmoor::toolkit::qt
