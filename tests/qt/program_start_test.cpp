// The program as a user starts it where no display can be had: it says why in one line that
// names the platforms it tried, and exits with status 1, neither aborting nor hanging.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <thread>

extern char** environ;

namespace {

// How a stand-in X display treats its clients.
enum class Manner {
    Refuses,       // a socket left behind by a server that is gone
    NeverAnswers,  // takes the connection, never reads
    // Hangs up before the client writes its greeting, so that writing it fails: the client is
    // held up at reading its authority file, a pipe that the server opens only then.
    HangsUpEarly,
};

// An X display of the test's own, :n for the first n from 5000 whose socket name is free.
class StandInX {
public:
    StandInX(Manner manner, const std::filesystem::path& folder)
        : authority_((folder / ("authority-" + std::to_string(static_cast<int>(manner))))) {
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
        if (manner != Manner::Refuses) {
            ::listen(listening_, 8);
        }
        if (manner == Manner::HangsUpEarly) {
            ::mkfifo(authority_.c_str(), 0600);
            server_ = std::thread([this] {
                // Opening the pipe returns once the client reads it, and so has connected.
                const int authority = ::open(authority_.c_str(), O_WRONLY | O_CLOEXEC);
                ::close(::accept4(listening_, nullptr, nullptr, SOCK_CLOEXEC));
                ::close(authority);
            });
        }
    }
    ~StandInX() {
        if (server_.joinable()) {
            // Lets the server's opening of the pipe return if no client came.
            ::close(::open(authority_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
            server_.join();
        }
        ::close(listening_);
    }
    StandInX(const StandInX&) = delete;
    StandInX& operator=(const StandInX&) = delete;

    std::map<std::string, std::string> Variables() const {
        return {{"DISPLAY", display_}, {"XAUTHORITY", authority_.string()}};
    }

private:
    std::filesystem::path authority_;
    int listening_ = -1;
    std::string display_;
    std::thread server_;
};

struct Outcome {
    int status = -1;  // the exit status; a signal that ends the program never gives 1
    std::string said;
};

// Runs the program in this test's environment without any of the variables that choose or name
// a display, but with those given.
Outcome RunProgram(const std::map<std::string, std::string>& variables) {
    std::string command = "env";
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string name = std::string(*entry).substr(0, std::string(*entry).find('='));
        if (name == "QT_QPA_PLATFORM" || name == "DISPLAY" || name == "XAUTHORITY" ||
            name.starts_with("WAYLAND_") || name.starts_with("XDG_")) {
            command += " -u " + name;
        }
    }
    for (const auto& [name, value] : variables) {
        command += " '" + name + "=" + value + "'";
    }
    command += " '" QUILLMOOR_PROGRAM "' 2>&1 >/dev/null";
    Outcome outcome;
    FILE* said = ::popen(command.c_str(), "r");
    char buffer[4096];
    for (std::size_t count; (count = std::fread(buffer, 1, sizeof buffer, said)) > 0;) {
        outcome.said.append(buffer, count);
    }
    const int status = ::pclose(said);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

TEST(ProgramStart, WithoutADisplayItSaysWhyInOneLine) {
    const std::filesystem::path runtime =
        std::filesystem::temp_directory_path() / ("quillmoor-start-" + std::to_string(::getpid()));
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    const StandInX refusing(Manner::Refuses, runtime);
    const StandInX silent(Manner::NeverAnswers, runtime);
    const StandInX hangingUp(Manner::HangsUpEarly, runtime);
    const struct {
        const char* what;
        std::map<std::string, std::string> variables;
        const char* tried;
    } cases[] = {
        {"no display", {}, "xcb;wayland"},
        {"an X display that refuses", refusing.Variables(), "xcb;wayland"},
        {"an X display that hangs up", hangingUp.Variables(), "xcb;wayland"},
        {"an X display that never answers", silent.Variables(), "xcb;wayland"},
        {"a dead Wayland display",
         {{"XDG_SESSION_TYPE", "wayland"}, {"WAYLAND_DISPLAY", "wayland-gone"}},
         "wayland;xcb"},
        {"a missing platform plugin", {{"QT_QPA_PLATFORM", "nosuchplatform"}}, "nosuchplatform"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto variables = c.variables;
        variables.try_emplace("XDG_RUNTIME_DIR", runtime.string());
        const Outcome outcome = RunProgram(variables);
        EXPECT_EQ(outcome.status, 1);
        EXPECT_TRUE(outcome.said.starts_with(
            std::string("cannot open a window: no display: tried ") + c.tried + ";"))
            << outcome.said;
        EXPECT_EQ(outcome.said.find('\n'), outcome.said.size() - 1) << outcome.said;
    }
    std::filesystem::remove_all(runtime);
}

}  // namespace
