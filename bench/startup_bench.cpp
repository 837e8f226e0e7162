// Start-up time, peak memory and idle processor time of the program, each next to a minimal Qt
// program measured in the same run, printed as ratios.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <string>
#include <thread>
#include <vector>

#include "bench/child_process.h"

namespace {

namespace bench = quillmoor::bench;

constexpr int kStartupRuns = 15;
constexpr auto kSettleTime = std::chrono::seconds(2);
constexpr auto kIdleTime = std::chrono::seconds(5);

struct StartupFigures {
    std::vector<double> milliseconds;
    std::vector<double> megabytes;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool Measure(const std::string& program, StartupFigures& figures) {
    const bench::FinishedRun run = bench::RunToEnd({program});
    if (!run.succeeded || run.output.empty()) {
        std::fprintf(stderr, "%s failed\n", program.c_str());
        return false;
    }
    const long long shownAt = std::stoll(run.output);
    figures.milliseconds.push_back(static_cast<double>(shownAt - run.spawnedAtNanoseconds) / 1e6);
    figures.megabytes.push_back(static_cast<double>(run.peakMemoryKilobytes) / 1024.0);
    return true;
}

double IdleMilliseconds(const std::vector<std::string>& command) {
    const bench::RunningProcess process(command);
    std::this_thread::sleep_for(kSettleTime);
    const long long before = process.ProcessorNanoseconds();
    std::this_thread::sleep_for(kIdleTime);
    return static_cast<double>(process.ProcessorNanoseconds() - before) / 1e6;
}

void PrintRatio(const char* what, double program, double minimal, const char* unit,
                const char* goal) {
    std::printf("%-28s program %8.1f %s   minimal %8.1f %s   ratio %5.2f   (goal %s)\n", what,
                program, unit, minimal, unit, program / minimal, goal);
}

int Run() {
    StartupFigures program;
    StartupFigures minimal;
    StartupFigures warmUp;  // the first run of each only fills the caches
    if (!Measure(QUILLMOOR_STARTUP_FORM, warmUp) || !Measure(QUILLMOOR_MINIMAL_WINDOW, warmUp)) {
        return 1;
    }
    for (int run = 0; run < kStartupRuns; ++run) {
        if (!Measure(QUILLMOOR_STARTUP_FORM, program) ||
            !Measure(QUILLMOOR_MINIMAL_WINDOW, minimal)) {
            return 1;
        }
    }
    std::printf("start-up, median of %d runs each\n", kStartupRuns);
    PrintRatio("  until shown and painted", Median(program.milliseconds),
               Median(minimal.milliseconds), "ms", "<= 1.3");
    PrintRatio("  peak memory", Median(program.megabytes), Median(minimal.megabytes), "MB",
               "<= 1.3");

    const double programIdle = IdleMilliseconds({QUILLMOOR_PROGRAM});
    const double minimalIdle = IdleMilliseconds({QUILLMOOR_MINIMAL_WINDOW, "--stay"});
    std::printf("idle, processor time while waiting %lld s for input\n",
                static_cast<long long>(kIdleTime.count()));
    std::printf("  program %.2f ms   minimal %.2f ms   (goal: program < 10 ms)\n", programIdle,
                minimalIdle);
    return 0;
}

}  // namespace

int main() {
    try {
        return Run();
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "startup_bench: %s\n", failure.what());
        return 1;
    }
}
