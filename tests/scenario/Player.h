#pragma once

#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "Observation.h"
#include "Scenario.h"

namespace scenario {

// How a driver plays one action on its edition and reads what it then shows.
struct Edition {
    std::string name;  // "qt", "win32"
    std::function<void(const Action&)> play;
    std::function<Observation()> observe;
};

// Plays the actions on the edition from its start state, comparing what it
// shows with the model before the first and after each. Returns one line for
// each step that differs, naming the step, the action and the edition; each
// observation also goes to `log`, one JSON object a line, when given.
[[nodiscard]] std::vector<std::string> PlayAndCompare(const std::vector<Action>& actions,
                                                      const Edition& edition, std::ostream* log);

// Where a driver keeps what its edition showed in a run, for the comparison
// of all editions: QUIZ_OBSERVATIONS_DIR/RUN-EDITION.jsonl; not open when
// that is not set.
[[nodiscard]] std::ofstream OpenLog(const std::string& run, const std::string& edition);

}  // namespace scenario
