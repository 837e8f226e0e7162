// Start-up time, peak memory and idle processor time of the program, each next to yardsticks
// measured in the same run, printed as ratios: for start-up, the same form built with Qt alone
// and an empty Qt window; for idle time, the empty window.

#include <algorithm>
#include <array>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <exception>
#include <string>
#include <thread>
#include <vector>

#include "bench/child_process.h"

namespace {

namespace bench = quillmoor::bench;

constexpr std::size_t kStartupRuns = 15;
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

// The column of one program in the start-up comparison.
struct Contender {
    const char* executable;
    StartupFigures figures;
};

void PrintRatios(const char* what, double program, double form, double empty, const char* unit,
                 const char* goal) {
    std::printf(
        "%-26s program %6.1f %s   Qt form %6.1f %s   empty %6.1f %s   ratios %4.2f / %4.2f"
        "   (goal %s)\n",
        what, program, unit, form, unit, empty, unit, program / form, program / empty, goal);
}

int Run() {
    std::array<Contender, 3> contenders{
        {{QUILLMOOR_STARTUP_FORM, {}}, {QUILLMOOR_QT_FORM, {}}, {QUILLMOOR_MINIMAL_WINDOW, {}}}};
    StartupFigures warmUp;  // the first run of each only fills the caches
    for (const Contender& contender : contenders) {
        if (!Measure(contender.executable, warmUp)) {
            return 1;
        }
    }
    // Each round begins with the next program in turn, so that none always goes first.
    for (std::size_t round = 0; round < kStartupRuns; ++round) {
        for (std::size_t turn = 0; turn < contenders.size(); ++turn) {
            Contender& contender = contenders[(round + turn) % contenders.size()];
            if (!Measure(contender.executable, contender.figures)) {
                return 1;
            }
        }
    }
    const StartupFigures& program = contenders[0].figures;
    const StartupFigures& form = contenders[1].figures;
    const StartupFigures& empty = contenders[2].figures;
    std::printf("start-up, median of %zu runs each; ratios: program / Qt form, program / empty\n",
                kStartupRuns);
    PrintRatios("  until shown and painted", Median(program.milliseconds),
                Median(form.milliseconds), Median(empty.milliseconds), "ms",
                "<= 1.0 of the Qt form, 1.02 with noise; <= 1.6 of the empty window");
    PrintRatios("  peak memory", Median(program.megabytes), Median(form.megabytes),
                Median(empty.megabytes), "MB", "<= 1.3 of the empty window");

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
