#pragma once

// Runs a benchmark's program as a child process and measures it from the outside: wall-clock
// time until it reports, peak memory, processor time.

#include <sys/types.h>

#include <string>
#include <vector>

namespace quillmoor::bench {

struct FinishedRun {
    long long spawnedAtNanoseconds = 0;  // monotonic clock, just before the process started
    std::string output;                  // everything it wrote on stdout
    long peakMemoryKilobytes = 0;        // its ru_maxrss
    bool succeeded = false;              // it ended by itself with exit code 0
};

// Starts the program with the arguments, waits until it ends and returns what it did.
FinishedRun RunToEnd(const std::vector<std::string>& command);

// A child that keeps running until it is stopped.
class RunningProcess {
public:
    explicit RunningProcess(const std::vector<std::string>& command);
    ~RunningProcess();
    RunningProcess(const RunningProcess&) = delete;
    RunningProcess& operator=(const RunningProcess&) = delete;

    // Processor time, user and system, of all its threads so far, in nanoseconds.
    long long ProcessorNanoseconds() const;

private:
    pid_t pid_ = 0;
};

long long MonotonicNanoseconds();

}  // namespace quillmoor::bench
