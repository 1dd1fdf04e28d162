#include "Scenario.h"

#include <array>
#include <cstdlib>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string_view>

#include "Model.h"
#include "quiz/PairIndex.h"

namespace scenario {

namespace {

constexpr std::uint32_t kFixedSeed = 20261209;

// Each action's word, and its weight in the random run's mix: mostly picks
// and Check, as a pupil plays.
struct Word {
    Verb verb;
    std::string_view text;
    unsigned weight;
};
constexpr std::array<Word, 13> kWords{{
    {Verb::Name, "name", 20},
    {Verb::Place, "place", 20},
    {Verb::Check, "check", 16},
    {Verb::Clear, "clear", 2},
    {Verb::Tab, "tab", 8},
    {Verb::ShiftTab, "shift+tab", 6},
    {Verb::Up, "up", 5},
    {Verb::Down, "down", 5},
    {Verb::Left, "left", 3},
    {Verb::Right, "right", 3},
    {Verb::Space, "space", 6},
    {Verb::Enter, "enter", 4},
    {Verb::Escape, "escape", 2},
}};

bool TakesRow(Verb verb) { return verb == Verb::Name || verb == Verb::Place; }

Action Read(const std::string& word, std::istringstream& rest, int line) {
    for (const Word& w : kWords) {
        if (word != w.text) continue;
        Action action{w.verb};
        if (TakesRow(w.verb) &&
            !(rest >> action.row && action.row >= 1 && action.row <= quiz::kPairCount))
            throw std::runtime_error("line " + std::to_string(line) + ": a row from 1 to 12");
        return action;
    }
    throw std::runtime_error("line " + std::to_string(line) + ": no action '" + word + "'");
}

// Raw draws of the standard engine: its distributions differ between
// standard libraries, the engine does not.
Verb Draw(std::mt19937& engine) {
    unsigned total = 0;
    for (const Word& w : kWords) total += w.weight;
    unsigned at = static_cast<unsigned>(engine() % total);
    for (const Word& w : kWords) {
        if (at < w.weight) return w.verb;
        at -= w.weight;
    }
    return Verb::Check;
}

}  // namespace

std::string ToText(const Action& action) {
    for (const Word& w : kWords)
        if (w.verb == action.verb)
            return TakesRow(w.verb) ? std::string(w.text) + " " + std::to_string(action.row)
                                    : std::string(w.text);
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
