// The program as a user starts it where no display can be had: it says why in one line that
// names the platforms it tried, and exits with status 1, neither aborting nor hanging.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

// An X display of the test's own, :n for the first n from 5000 whose socket name is free: one
// that turns every client away once it has read its greeting, as a server refusing its
// authorisation does, or one that takes the connection and never answers.
class StandInX {
public:
    explicit StandInX(bool refuses) {
        ::pipe2(stop_, O_CLOEXEC);
        listening_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        for (int number = 5000; number < 6000 && display_.empty(); ++number) {
            const std::string name = "/tmp/.X11-unix/X" + std::to_string(number);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            std::memcpy(address.sun_path + 1, name.data(), name.size());  // abstract namespace
            const auto length =
                static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
            if (::bind(listening_, reinterpret_cast<sockaddr*>(&address), length) == 0) {
                display_ = ":" + std::to_string(number);
            }
        }
        ::listen(listening_, 8);
        if (refuses) {
            server_ = std::thread([this] { TurnAway(); });
        }
    }
    ~StandInX() {
        ::close(stop_[1]);
        if (server_.joinable()) {
            server_.join();
        }
        ::close(stop_[0]);
        ::close(listening_);
    }
    StandInX(const StandInX&) = delete;
    StandInX& operator=(const StandInX&) = delete;

    const std::string& Display() const { return display_; }

private:
    void TurnAway() {
        for (;;) {
            pollfd waiting[] = {{listening_, POLLIN, 0}, {stop_[0], POLLIN, 0}};
            if (::poll(waiting, 2, -1) < 0 || waiting[1].revents != 0) {
                return;
            }
            const int client = ::accept4(listening_, nullptr, nullptr, SOCK_CLOEXEC);
            char greeting[4096];
            ::recv(client, greeting, sizeof greeting, 0);
            ::close(client);
        }
    }

    int stop_[2] = {-1, -1};
    int listening_ = -1;
    std::string display_;
    std::thread server_;
};

struct Outcome {
    int status = -1;  // the exit status, -1 when ended by a signal
    std::string said;
};

// Runs the program in this test's environment without any of the variables that choose or name
// a display, but with those given.
Outcome RunProgram(const std::map<std::string, std::string>& variables) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string name = std::string(*entry).substr(0, std::string(*entry).find('='));
        if (name != "QT_QPA_PLATFORM" && name != "DISPLAY" && name != "XAUTHORITY" &&
            !name.starts_with("WAYLAND_") && !name.starts_with("XDG_")) {
            environment.push_back(*entry);
        }
    }
    for (const auto& [name, value] : variables) {
        environment.push_back(name + "=" + value);
    }
    std::vector<char*> pointers;
    for (std::string& entry : environment) {
        pointers.push_back(entry.data());
    }
    pointers.push_back(nullptr);

    int output[2];
    EXPECT_EQ(::pipe2(output, O_CLOEXEC), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDERR_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    char program[] = QUILLMOOR_PROGRAM;
    char* arguments[] = {program, nullptr};
    pid_t child = -1;
    EXPECT_EQ(posix_spawn(&child, program, &actions, nullptr, arguments, pointers.data()), 0);
    posix_spawn_file_actions_destroy(&actions);
    ::close(output[1]);
    Outcome outcome;
    char buffer[4096];
    for (ssize_t count; (count = ::read(output[0], buffer, sizeof buffer)) > 0;) {
        outcome.said.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(output[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

TEST(ProgramStart, WithoutADisplayItSaysWhyInOneLine) {
    const StandInX refusing(true);
    const StandInX silent(false);
    ASSERT_FALSE(refusing.Display().empty() || silent.Display().empty());
    const std::filesystem::path runtime = std::filesystem::temp_directory_path() /
                                          ("quillmoor-start-" + std::to_string(::getpid()));
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    const struct {
        const char* what;
        std::map<std::string, std::string> variables;
        const char* tried;
    } cases[] = {
        {"no display", {}, "xcb;wayland"},
        {"an X display that refuses", {{"DISPLAY", refusing.Display()}}, "xcb;wayland"},
        {"an X display that never answers", {{"DISPLAY", silent.Display()}}, "xcb;wayland"},
        {"a dead Wayland display",
         {{"XDG_SESSION_TYPE", "wayland"}, {"WAYLAND_DISPLAY", "wayland-gone"}},
         "wayland;xcb"},
        {"a missing platform plugin", {{"QT_QPA_PLATFORM", "nosuchplatform"}}, "nosuchplatform"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto variables = c.variables;
        variables.try_emplace("XDG_RUNTIME_DIR", runtime.string());
        variables.try_emplace("XAUTHORITY", (runtime / "no-authority").string());
        const Outcome outcome = RunProgram(variables);
        EXPECT_EQ(outcome.status, 1);
        EXPECT_TRUE(outcome.said.starts_with(std::string("cannot open a window: no display: tried ") +
                                             c.tried + ";"))
            << outcome.said;
        EXPECT_EQ(outcome.said.find('\n'), outcome.said.size() - 1) << outcome.said;
    }
    std::filesystem::remove_all(runtime);
}

}  // namespace
