// The scenarios for drivers that cannot link the model, such as the browser
// page's in Python:
//   scenario_tool expect SCENARIO     each step's action and what it must show,
//                                     one JSON object a line; step 0 is the start
//   scenario_tool random              the random run for QUIZ_SEED as a scenario
#include <cstdio>
#include <exception>
#include <fstream>
#include <stdexcept>
#include <string>

#include "Model.h"
#include "Scenario.h"

namespace {

// The control the action clicks goes with it, "" for a key.
void PrintStep(std::size_t step, const std::string& action, const std::string& target,
               const scenario::Observation& o) {
    std::printf("{\"step\": %zu, \"action\": \"%s\", \"target\": \"%s\", \"expected\": %s}\n", step,
                action.c_str(), target.c_str(), scenario::ToJson(o).c_str());
}

int Expect(const char* path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error(std::string("cannot read ") + path);
    scenario::Model model;
    PrintStep(0, "", "", model.Observe());
    std::size_t step = 0;
    for (const scenario::Action& action : scenario::Parse(in)) {
        const bool tab = action.verb == scenario::Verb::Tab;
        if ((tab || action.verb == scenario::Verb::ShiftTab) && model.TabWraps(!tab))
            throw std::runtime_error("step " + std::to_string(step + 1) +
                                     ": Tab wraps round there, and a browser leaves the page");
        model.Play(action);
        const form::ControlId target = scenario::ClickTarget(action);
        PrintStep(++step, scenario::ToText(action),
                  target == form::kWindow ? "" : form::NameOf(target), model.Observe());
    }
    return 0;
}

int Random() {
    const std::uint32_t seed = scenario::Seed();
    const int length = scenario::kRandomRunLength;
    std::printf("# the random run: seed %u, %d actions\n", seed, length);
    for (const scenario::Action& action : scenario::RandomScenario(seed, length))
        std::printf("%s\n", scenario::ToText(action).c_str());
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string verb = argc > 1 ? argv[1] : "";
    try {
        if (verb == "expect" && argc == 3) return Expect(argv[2]);
        if (verb == "random" && argc == 2) return Random();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "scenario_tool: %s\n", error.what());
        return 1;
    }
    std::fputs("usage: scenario_tool expect SCENARIO | scenario_tool random\n", stderr);
    return 2;
}
