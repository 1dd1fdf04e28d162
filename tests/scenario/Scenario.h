#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

// A pupil's actions as data, one a line, which every edition's driver plays:
//   name ROW | place ROW   a click on the option button on that row (1 = top)
//   check | clear          a click on that push button
//   tab | shift+tab | up | down | left | right | space | enter | escape
//                          a key, to whatever has the focus
// An action may end in *N to stand for N of it; # starts a comment.
namespace scenario {

enum class Verb {
    Name,
    Place,
    Check,
    Clear,
    Tab,
    ShiftTab,
    Up,
    Down,
    Left,
    Right,
    Space,
    Enter,
    Escape
};

struct Action {
    Verb verb;
    int row = 0;  // for Name and Place
};

[[nodiscard]] std::string ToText(const Action& action);

// The actions of a scenario, repeats spelled out; throws std::runtime_error
// naming the line of anything it cannot read.
[[nodiscard]] std::vector<Action> Parse(std::istream& in);

// The seed of the random run: QUIZ_SEED, else the fixed one CI plays.
[[nodiscard]] std::uint32_t Seed();

// How long the random run is that every edition plays.
inline constexpr int kRandomRunLength = 300;

// A random scenario of `length` actions, the same for a seed on every
// platform. It never tabs past either end of the Tab order: a browser leaves
// the page there for its own controls, where the desktop editions wrap round.
[[nodiscard]] std::vector<Action> RandomScenario(std::uint32_t seed, int length);

}  // namespace scenario
