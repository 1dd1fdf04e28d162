#include "Scenario.h"

#include <array>
#include <cstdlib>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "Model.h"
#include "quiz/PairIndex.h"

namespace scenario {

namespace {

constexpr std::uint32_t kFixedSeed = 20261209;

constexpr std::array<std::pair<Verb, std::string_view>, 13> kWords{{
    {Verb::Name, "name"},
    {Verb::Place, "place"},
    {Verb::Check, "check"},
    {Verb::Clear, "clear"},
    {Verb::Tab, "tab"},
    {Verb::ShiftTab, "shift+tab"},
    {Verb::Up, "up"},
    {Verb::Down, "down"},
    {Verb::Left, "left"},
    {Verb::Right, "right"},
    {Verb::Space, "space"},
    {Verb::Enter, "enter"},
    {Verb::Escape, "escape"},
}};

bool TakesRow(Verb verb) { return verb == Verb::Name || verb == Verb::Place; }

Action Read(const std::string& word, std::istringstream& rest, int line) {
    for (const auto& [verb, text] : kWords) {
        if (word != text) continue;
        Action action{verb};
        if (TakesRow(verb) &&
            !(rest >> action.row && action.row >= 1 && action.row <= quiz::kPairCount))
            throw std::runtime_error("line " + std::to_string(line) + ": a row from 1 to 12");
        return action;
    }
    throw std::runtime_error("line " + std::to_string(line) + ": no action '" + word + "'");
}

// The random run's mix: mostly picks and Check, as a pupil plays.
struct Weighted {
    Verb verb;
    unsigned weight;
};
constexpr std::array<Weighted, 13> kMix{{
    {Verb::Name, 20},
    {Verb::Place, 20},
    {Verb::Check, 16},
    {Verb::Clear, 2},
    {Verb::Tab, 8},
    {Verb::ShiftTab, 6},
    {Verb::Up, 5},
    {Verb::Down, 5},
    {Verb::Left, 3},
    {Verb::Right, 3},
    {Verb::Space, 6},
    {Verb::Enter, 4},
    {Verb::Escape, 2},
}};

// Raw draws of the standard engine: its distributions differ between
// standard libraries, the engine does not.
Verb Draw(std::mt19937& engine) {
    unsigned total = 0;
    for (const Weighted& w : kMix) total += w.weight;
    unsigned at = static_cast<unsigned>(engine() % total);
    for (const Weighted& w : kMix) {
        if (at < w.weight) return w.verb;
        at -= w.weight;
    }
    return Verb::Check;
}

}  // namespace

std::string ToText(const Action& action) {
    for (const auto& [verb, text] : kWords)
        if (verb == action.verb)
            return TakesRow(verb) ? std::string(text) + " " + std::to_string(action.row)
                                  : std::string(text);
    return {};
}

std::vector<Action> Parse(std::istream& in) {
    std::vector<Action> actions;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        std::istringstream words(text.substr(0, text.find('#')));
        std::string word;
        if (!(words >> word)) continue;
        const Action action = Read(word, words, line);
        int times = 1;
        if (std::string repeat; words >> repeat) {
            if (repeat.size() < 2 || repeat[0] != '*' ||
                (times = std::atoi(repeat.c_str() + 1)) < 1)
                throw std::runtime_error("line " + std::to_string(line) + ": '" + repeat + "'");
        }
        actions.insert(actions.end(), static_cast<std::size_t>(times), action);
    }
    return actions;
}

std::uint32_t Seed() {
    const char* seed = std::getenv("QUIZ_SEED");
    return seed && *seed ? static_cast<std::uint32_t>(std::strtoul(seed, nullptr, 10)) : kFixedSeed;
}

std::vector<Action> RandomScenario(std::uint32_t seed, int length) {
    std::mt19937 engine(seed);
    Model model;
    std::vector<Action> actions;
    while (static_cast<int>(actions.size()) < length) {
        Action action{Draw(engine)};
        if (TakesRow(action.verb)) action.row = 1 + static_cast<int>(engine() % quiz::kPairCount);
        if ((action.verb == Verb::Tab || action.verb == Verb::ShiftTab) &&
            model.TabWraps(action.verb == Verb::ShiftTab))
            continue;
        model.Play(action);
        actions.push_back(action);
    }
    return actions;
}

}  // namespace scenario
