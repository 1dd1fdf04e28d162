// Start-up time and peak memory of the quiz against the floor window:
//   startup_probe RUNS FLOOR_PROGRAM QUIZ_PROGRAM
// Each program is started once unmeasured (to warm the page cache), then RUNS
// times each, alternating, so drift of the machine touches both alike. A run
// lasts from just before fork to the window being mapped with the form's
// title and painted; the peak memory is the child's maximum resident set. It
// prints, per program, "startup NAME MEDIAN MIN MAX" in milliseconds and
// "memory NAME MEDIAN" in KiB.
#include <sys/wait.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "WindowWatch.h"
#include "window/form/FormLayout.h"

namespace {

constexpr auto kLaunchTimeout = std::chrono::seconds(20);

struct Launch {
    double milliseconds;
    long peakKib;
};

struct Results {
    std::vector<double> milliseconds;
    std::vector<double> peakKib;
};

[[noreturn]] void Abandon(pid_t pid, const std::string& why) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    throw std::runtime_error(why);
}

Launch Measure(const std::string& program) {
    const bench::Connection x;
    bench::WatchTopLevels(x);
    const auto start = bench::Clock::now();
    const pid_t pid = bench::Spawn(program);
    const auto deadline = start + kLaunchTimeout;
    const ::Window window = bench::WaitForMapped(x, form::WindowCaption(), deadline);
    if (!window) Abandon(pid, program + ": no window with the form's title was mapped");
    if (!bench::WaitPainted(x, window, deadline)) Abandon(pid, program + ": window not painted");
    const double milliseconds = bench::MillisecondsBetween(start, bench::Clock::now());
    const long peak = bench::CloseAndReap(x, window, pid);
    if (peak < 0) throw std::runtime_error(program + ": did not close cleanly");
    return {milliseconds, peak};
}

void Record(Results& results, const std::string& program) {
    const Launch launch = Measure(program);
    results.milliseconds.push_back(launch.milliseconds);
    results.peakKib.push_back(static_cast<double>(launch.peakKib));
}

void Print(const char* name, const Results& r) {
    const auto [low, high] = std::minmax_element(r.milliseconds.begin(), r.milliseconds.end());
    std::printf("startup %s %.1f %.1f %.1f\n", name, bench::Median(r.milliseconds), *low, *high);
    std::printf("memory %s %.0f\n", name, bench::Median(r.peakKib));
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 4 || std::atoi(argv[1]) < 1) {
        std::fprintf(stderr, "usage: startup_probe RUNS FLOOR_PROGRAM QUIZ_PROGRAM\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const std::string floor = argv[2], quiz = argv[3];
    try {
        Measure(floor);
        Measure(quiz);
        Results floorResults, quizResults;
        for (int i = 0; i < runs; ++i) {
            Record(floorResults, floor);
            Record(quizResults, quiz);
        }
        Print("floor", floorResults);
        Print("quiz", quizResults);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "startup_probe: %s\n", e.what());
        return 1;
    }
    return 0;
}
