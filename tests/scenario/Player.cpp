#include "Player.h"

#include <cstdlib>

#include "Model.h"

namespace scenario {

namespace {

void Log(std::ostream* log, std::size_t step, const std::string& action, const Observation& o) {
    if (log)
        *log << "{\"step\": " << step << ", \"action\": \"" << action
             << "\", \"observed\": " << ToJson(o) << "}\n";
}

void Compare(std::vector<std::string>& failures, std::size_t step, const std::string& action,
             const std::string& edition, const Observation& got, const Observation& expected) {
    for (const std::string& difference : Differences(got, expected))
        failures.push_back("step " + std::to_string(step) + " (" + action + "), " + edition + ": " +
                           difference);
}

}  // namespace

std::vector<std::string> PlayAndCompare(const std::vector<Action>& actions, const Edition& edition,
                                        std::ostream* log) {
    Model model;
    std::vector<std::string> failures;
    Observation got = Sorted(edition.observe());
    Log(log, 0, "", got);
    Compare(failures, 0, "start", edition.name, got, model.Observe());
    for (std::size_t step = 1; step <= actions.size(); ++step) {
        const Action& action = actions[step - 1];
        edition.play(action);
        model.Play(action);
        got = Sorted(edition.observe());
        Log(log, step, ToText(action), got);
        Compare(failures, step, ToText(action), edition.name, got, model.Observe());
    }
    return failures;
}

std::ofstream OpenLog(const std::string& run, const std::string& edition) {
    const char* dir = std::getenv("QUIZ_OBSERVATIONS_DIR");
    if (!dir || !*dir) return {};
    // Binary: its lines end alike on every platform.
    return std::ofstream(std::string(dir) + "/" + run + "-" + edition + ".jsonl", std::ios::binary);
}

}  // namespace scenario
