#include "toolkit/qt/display_probe.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

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

// Environment variables to set for a while; an empty optional unsets one.
using Environment = std::map<std::string, std::optional<std::string>>;

// Every variable that steers the choice of platform: what a case does not name is unset.
Environment Only(Environment wanted) {
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "XAUTHORITY", "WAYLAND_DISPLAY",
                             "WAYLAND_SOCKET", "XDG_RUNTIME_DIR", "XDG_SESSION_TYPE"}) {
        wanted.try_emplace(name, std::nullopt);
    }
    return wanted;
}

class EnvironmentFor {
public:
    explicit EnvironmentFor(const Environment& changes) {
        for (const auto& [name, value] : changes) {
            const char* before = std::getenv(name.c_str());
            before_[name] = before == nullptr ? std::nullopt : std::optional<std::string>(before);
            Apply(name, value);
        }
    }
    ~EnvironmentFor() {
        for (const auto& [name, value] : before_) {
            Apply(name, value);
        }
    }

private:
    static void Apply(const std::string& name, const std::optional<std::string>& value) {
        if (value) {
            setenv(name.c_str(), value->c_str(), 1);
        } else {
            unsetenv(name.c_str());
        }
    }

    Environment before_;
};

// How a stand-in display server treats its clients.
enum class Manner {
    AnswersWaylandRoundTrip,
    StaysSilent,
    HangsUpAtOnce,
    // Reads the X client's greeting, then hangs up, as a server that refuses our authorisation.
    HangsUpAfterGreeting,
    // Stops reading before the X client writes its greeting, so that writing it fails: the
    // client is held up at reading its authority file, a pipe that this server opens only then.
    StopsReadingBeforeGreeting,
};

// A display server that the test owns: it listens on a Unix socket of its own, so that no other
// program's display can answer in its place, and serves each client on its own thread.
class StandInDisplay {
public:
    enum class Protocol { X, Wayland };

    // As X display :n, the first n from 5000 whose socket name is free; or as a Wayland
    // display, a socket in a runtime folder of its own.
    StandInDisplay(Protocol protocol, Manner manner) : manner_(manner) {
        char folder[] = "/tmp/quillmoor-probe-XXXXXX";
        if (mkdtemp(folder) == nullptr) {
            return;
        }
        folder_ = folder;
        authority_ = folder_ + "/authority";
        if (manner == Manner::StopsReadingBeforeGreeting) {
            mkfifo(authority_.c_str(), 0600);
        }
        listening_ = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (protocol == Protocol::X) {
            for (int number = 5000; number < 6000 && display_.empty(); ++number) {
                if (Bind("/tmp/.X11-unix/X" + std::to_string(number), true)) {
                    display_ = ":" + std::to_string(number);
                }
            }
        } else if (Bind(folder_ + "/wayland-stand-in", false)) {
            display_ = "wayland-stand-in";
        }
        listeningOk_ =
            !display_.empty() && listen(listening_, 8) == 0 && pipe2(stop_, O_CLOEXEC) == 0;
        if (listeningOk_) {
            server_ = std::thread([this] { Serve(); });
        }
    }

    ~StandInDisplay() {
        if (server_.joinable()) {
            close(stop_[1]);
            if (manner_ == Manner::StopsReadingBeforeGreeting) {
                // Lets the server's opening of the authority pipe return if no client came.
                close(open(authority_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
            }
            server_.join();
            close(stop_[0]);
        }
        for (const int client : clients_) {
            close(client);
        }
        close(listening_);
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    bool Listening() const { return listeningOk_; }
    // DISPLAY or WAYLAND_DISPLAY.
    const std::string& Display() const { return display_; }
    const std::string& RuntimeFolder() const { return folder_; }
    // XAUTHORITY for the clients: the pipe that holds them up, or a file that does not exist.
    const std::string& AuthorityFile() const { return authority_; }

private:
    bool Bind(const std::string& name, bool abstractName) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::size_t offset = abstractName ? 1 : 0;
        std::memcpy(address.sun_path + offset, name.data(), name.size());
        const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset +
                                                   name.size() + (abstractName ? 0 : 1));
        return bind(listening_, reinterpret_cast<sockaddr*>(&address), length) == 0;
    }

    // Waits until fd can be read or the test ends; false when the test ends first.
    bool Readable(int fd) const {
        std::array<pollfd, 2> waiting = {pollfd{fd, POLLIN, 0}, pollfd{stop_[0], POLLIN, 0}};
        return poll(waiting.data(), waiting.size(), -1) > 0 && waiting[1].revents == 0;
    }

    void Serve() {
        if (manner_ == Manner::StopsReadingBeforeGreeting) {
            // Opening the pipe returns once the client reads it, and so has connected.
            const int authority = open(authority_.c_str(), O_WRONLY | O_CLOEXEC);
            for (int client = accept4(listening_, nullptr, nullptr, SOCK_CLOEXEC); client >= 0;
                 client = accept4(listening_, nullptr, nullptr, SOCK_CLOEXEC)) {
                shutdown(client, SHUT_RD);
                clients_.push_back(client);
            }
            close(authority);
        }
        while (Readable(listening_)) {
            const int client = accept4(listening_, nullptr, nullptr, SOCK_CLOEXEC);
            if (client >= 0) {
                Treat(client);
            }
        }
    }

    void Treat(int client) {
        std::array<std::uint32_t, 3> request{};
        switch (manner_) {
            case Manner::AnswersWaylandRoundTrip:
                if (Readable(client) && recv(client, request.data(), sizeof request, 0) > 0) {
                    // The callback named in the request is done, with serial 0.
                    const std::array<std::uint32_t, 3> done = {request[2], 12u << 16, 0};
                    send(client, done.data(), sizeof done, MSG_NOSIGNAL);
                }
                break;
            case Manner::StaysSilent:
                clients_.push_back(client);
                return;
            case Manner::HangsUpAfterGreeting:
                if (Readable(client)) {
                    recv(client, request.data(), sizeof request, 0);
                }
                break;
            case Manner::HangsUpAtOnce:
            case Manner::StopsReadingBeforeGreeting:
                break;
        }
        close(client);
    }

    Manner manner_;
    std::string folder_;
    std::string authority_;
    std::string display_;
    int listening_ = -1;
    bool listeningOk_ = false;
    int stop_[2] = {-1, -1};
    std::vector<int> clients_;
    std::thread server_;
};

// The body of the no-display check. It runs only in the child process that the tests below
// start, because Qt, once started by another test, stays up for the whole process.
TEST(DisplayProbe, ChildStartsWithoutDisplay) {
    if (std::getenv("QUILLMOOR_PROBE_CHILD") == nullptr) {
        GTEST_SKIP() << "runs only as the child of the clean-failure tests";
    }
    EXPECT_FALSE(InitToolkit());
    EXPECT_FALSE(LastFailure().empty());
    EXPECT_EQ(LastFailure().find('\n'), std::string::npos);
    EXPECT_EQ(OpenFormWindow(0, 0, 0, 100, 100, "x", kDialogWindowFlags), 0);
    EXPECT_EQ(CreateButtonGadget(1, 0, 0, 10, 10, "x"), 0);
    EXPECT_EQ(AskUser("x", "y", AskFlags::YesNo), Answer::NotShown);
    std::printf("failure: %s\n", LastFailure().c_str());
}

// Runs this very test binary again in the given environment and checks it ended normally with
// all its checks passed, not by a signal such as Qt's abort.
void ExpectCleanFailureIn(Environment changes) {
    changes.insert_or_assign("QUILLMOOR_PROBE_CHILD", "1");
    const EnvironmentFor environment(Only(changes));
    std::array<char*, 3> arguments = {
        const_cast<char*>("display_probe_child"),
        const_cast<char*>("--gtest_filter=DisplayProbe.ChildStartsWithoutDisplay"), nullptr};

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        execv("/proc/self/exe", arguments.data());
        _exit(127);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(DisplayProbe, NoDisplayFailsCleanly) {
    for (const char* display : {static_cast<const char*>(nullptr), ":4711", "nonsense"}) {
        SCOPED_TRACE(display == nullptr ? "DISPLAY unset" : display);
        Environment changes;
        if (display != nullptr) {
            changes["DISPLAY"] = display;
        }
        ExpectCleanFailureIn(changes);
    }
}

// Whenever the server hangs up, the program says why it cannot start instead of being ended by
// the signal that writing to a closed connection raises.
TEST(DisplayProbe, RefusingXServerFailsCleanly) {
    for (const Manner manner : {Manner::HangsUpAfterGreeting, Manner::StopsReadingBeforeGreeting}) {
        SCOPED_TRACE(manner == Manner::HangsUpAfterGreeting ? "after the greeting" : "before");
        const StandInDisplay server(StandInDisplay::Protocol::X, manner);
        ASSERT_TRUE(server.Listening());
        ExpectCleanFailureIn(
            {{"DISPLAY", server.Display()}, {"XAUTHORITY", server.AuthorityFile()}});
    }
}

TEST(DisplayProbe, ChoosesThePlatformsInTheOrderTheSessionExpects) {
    constexpr const char* kSocket = "@";  // stands for the stand-in's socket path
    const struct {
        const char* session;
        std::optional<Manner> compositor;
        const char* requested;
        const char* platform;
        std::string failure;
    } cases[] = {
        {"wayland", Manner::AnswersWaylandRoundTrip, nullptr, "wayland", ""},
        {nullptr, Manner::AnswersWaylandRoundTrip, nullptr, "wayland", ""},
        {"x11", Manner::AnswersWaylandRoundTrip, nullptr, "wayland", ""},
        {"wayland", Manner::AnswersWaylandRoundTrip, "offscreen", "offscreen", ""},
        {"wayland", Manner::StaysSilent, nullptr, "",
         "no display: wayland: the Wayland display @ does not answer; "
         "xcb: DISPLAY is not set"},
        {nullptr, Manner::StaysSilent, nullptr, "",
         "no display: xcb: DISPLAY is not set; "
         "wayland: the Wayland display @ does not answer"},
        {"wayland", Manner::HangsUpAtOnce, nullptr, "",
         "no display: wayland: the Wayland display @ hangs up; xcb: DISPLAY is not set"},
        {"x11", std::nullopt, nullptr, "",
         "no display: xcb: DISPLAY is not set; wayland: XDG_RUNTIME_DIR is not set, so the "
         "Wayland display cannot be found"},
    };
    for (const auto& testCase : cases) {
        std::optional<StandInDisplay> compositor;
        Environment changes;
        if (testCase.session != nullptr) {
            changes["XDG_SESSION_TYPE"] = testCase.session;
        }
        if (testCase.requested != nullptr) {
            changes["QT_QPA_PLATFORM"] = testCase.requested;
        }
        std::string failure = testCase.failure;
        if (testCase.compositor) {
            compositor.emplace(StandInDisplay::Protocol::Wayland, *testCase.compositor);
            ASSERT_TRUE(compositor->Listening());
            changes["WAYLAND_DISPLAY"] = compositor->Display();
            changes["XDG_RUNTIME_DIR"] = compositor->RuntimeFolder();
            if (const std::size_t at = failure.find(kSocket); at != std::string::npos) {
                failure.replace(at, 1, compositor->RuntimeFolder() + "/" + compositor->Display());
            }
        }
        SCOPED_TRACE(testCase.failure.empty() ? testCase.platform : testCase.failure);
        const EnvironmentFor environment(Only(changes));
        const PlatformChoice choice = ChoosePlatform();
        EXPECT_EQ(choice.platform, testCase.platform);
        EXPECT_EQ(choice.failure, failure);
    }
}

}  // namespace
}  // namespace quillmoor::toolkit::qt
