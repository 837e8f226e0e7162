#include "bench/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <stdexcept>

extern char** environ;

namespace quillmoor::bench {
namespace {

std::vector<char*> ArgumentVector(const std::vector<std::string>& command) {
    std::vector<char*> arguments;
    for (const std::string& argument : command) {
        arguments.push_back(const_cast<char*>(argument.c_str()));
    }
    arguments.push_back(nullptr);
    return arguments;
}

pid_t Spawn(const std::vector<std::string>& command, const posix_spawn_file_actions_t* actions) {
    pid_t pid = 0;
    const auto arguments = ArgumentVector(command);
    if (posix_spawn(&pid, arguments[0], actions, nullptr, arguments.data(), environ) != 0) {
        throw std::runtime_error("cannot start " + command.front());
    }
    return pid;
}

}  // namespace

long long MonotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

FinishedRun RunToEnd(const std::vector<std::string>& command) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        throw std::runtime_error("cannot make a pipe");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);

    FinishedRun run;
    run.spawnedAtNanoseconds = MonotonicNanoseconds();
    const pid_t pid = Spawn(command, &actions);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);

    char buffer[4096];
    for (ssize_t count; (count = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
        run.output.append(buffer, static_cast<std::size_t>(count));
    }
    close(pipeEnds[0]);

    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.peakMemoryKilobytes = usage.ru_maxrss;
    run.succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

// Its output is not wanted: it would mix with the benchmark's report.
RunningProcess::RunningProcess(const std::vector<std::string>& command) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_ = Spawn(command, &actions);
    posix_spawn_file_actions_destroy(&actions);
}

RunningProcess::~RunningProcess() {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
}

// The first field of each thread's schedstat is the time it has run, in nanoseconds.
long long RunningProcess::ProcessorNanoseconds() const {
    if (waitpid(pid_, nullptr, WNOHANG) != 0) {
        throw std::runtime_error("the measured program ended before it was stopped");
    }
    long long total = 0;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid_) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks)) {
        std::ifstream schedstat(task.path() / "schedstat");
        long long running = 0;
        if (schedstat >> running) {
            total += running;
        }
    }
    return total;
}

}  // namespace quillmoor::bench
