#include "toolkit/qt/display_probe.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "toolkit/toolkit.h"

namespace quillmoor::toolkit::qt {
namespace {

TEST(DisplayProbe, TakesXDisplayNamesApart) {
    const struct {
        const char* name;
        const char* host;
        int display;
    } cases[] = {
        {":0", "", 0},
        {":7.1", "", 7},
        {"unix:3", "", 3},
        {"localhost:10.0", "localhost", 10},
        {"tcp/server:2", "server", 2},
        {"/run/x11/socket:0", "/run/x11/socket", 0},
    };
    for (const auto& testCase : cases) {
        const auto address = ParseXDisplay(testCase.name);
        ASSERT_TRUE(address.has_value()) << testCase.name;
        EXPECT_EQ(address->host, testCase.host) << testCase.name;
        EXPECT_EQ(address->display, testCase.display) << testCase.name;
    }
    for (const char* invalid : {"", "0", ":", ":x", ":-1", ":1x", "host"}) {
        EXPECT_FALSE(ParseXDisplay(invalid).has_value()) << invalid;
    }
}

// The body of the no-display check. It runs only in the child process that the test below
// starts, because Qt, once started by another test, stays up for the whole process.
TEST(DisplayProbe, ChildStartsWithoutDisplay) {
    if (std::getenv("QUILLMOOR_PROBE_CHILD") == nullptr) {
        GTEST_SKIP() << "runs only as the child of NoDisplayFailsCleanly";
    }
    EXPECT_FALSE(InitToolkit());
    EXPECT_FALSE(LastFailure().empty());
    EXPECT_EQ(LastFailure().find('\n'), std::string::npos);
    EXPECT_EQ(OpenFormWindow(0, 0, 0, 100, 100, "x", kDialogWindowFlags), 0);
    EXPECT_EQ(CreateButtonGadget(1, 0, 0, 10, 10, "x"), 0);
    EXPECT_EQ(AskUser("x", "y", AskFlags::YesNo), Answer::NotShown);
    std::printf("failure: %s\n", LastFailure().c_str());
}

// Runs this very test binary again with the given display and checks it ended normally with
// all its checks passed, not by a signal such as Qt's abort.
void ExpectCleanFailureWith(const char* display) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        unsetenv("QT_QPA_PLATFORM");
        unsetenv("WAYLAND_DISPLAY");
        if (display == nullptr) {
            unsetenv("DISPLAY");
        } else {
            setenv("DISPLAY", display, 1);
        }
        setenv("QUILLMOOR_PROBE_CHILD", "1", 1);
        execl("/proc/self/exe", "display_probe_child",
              "--gtest_filter=DisplayProbe.ChildStartsWithoutDisplay", nullptr);
        _exit(127);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

// A stand-in X server that answers on the display's socket and hangs up on every client, as
// a server does that refuses our authorisation.
class RefusingXServer {
public:
    explicit RefusingXServer(int display) {
        const std::string name = "/tmp/.X11-unix/X" + std::to_string(display);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path + 1, name.data(), name.size());
        listening_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const auto length =
            static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
        listening_ok_ = bind(listening_, reinterpret_cast<sockaddr*>(&address), length) == 0 &&
                        listen(listening_, 4) == 0;
        server_ = std::thread([this] { HangUpOnClients(); });
    }
    ~RefusingXServer() {
        stop_ = true;
        server_.join();
        close(listening_);
    }
    bool Listening() const { return listening_ok_; }

private:
    void HangUpOnClients() {
        while (!stop_) {
            pollfd waiting{listening_, POLLIN, 0};
            if (poll(&waiting, 1, 50) == 1) {
                close(accept(listening_, nullptr, nullptr));
            }
        }
    }

    int listening_ = -1;
    bool listening_ok_ = false;
    std::atomic<bool> stop_ = false;
    std::thread server_;
};

TEST(DisplayProbe, NoDisplayFailsCleanly) {
    ExpectCleanFailureWith(nullptr);
    ExpectCleanFailureWith(":4711");
    ExpectCleanFailureWith("nonsense");
}

TEST(DisplayProbe, RefusingXServerFailsCleanly) {
    const int display = 5000 + static_cast<int>(getpid() % 1000);
    RefusingXServer server(display);
    ASSERT_TRUE(server.Listening());
    ExpectCleanFailureWith((":" + std::to_string(display)).c_str());
}

}  // namespace
}  // namespace quillmoor::toolkit::qt
