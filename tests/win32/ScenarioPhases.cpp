#include "ScenarioPhases.h"

#include <cstdio>
#include <fstream>
#include <iostream>

#include "Keyboard.h"
#include "Model.h"
#include "Player.h"
#include "quiz/AnswerKey.h"

using scenario::Action;
using scenario::Verb;

namespace {

struct KeyOf {
    Verb verb;
    WORD key;
    bool shift;
};

constexpr KeyOf kKeys[] = {
    {Verb::Tab, VK_TAB, false},       {Verb::ShiftTab, VK_TAB, true},
    {Verb::Up, VK_UP, false},         {Verb::Down, VK_DOWN, false},
    {Verb::Left, VK_LEFT, false},     {Verb::Right, VK_RIGHT, false},
    {Verb::Space, VK_SPACE, false},   {Verb::Enter, VK_RETURN, false},
    {Verb::Escape, VK_ESCAPE, false},
};

// A message answered within this, unless the window hangs.
constexpr UINT kAnswerMs = 5000;

scenario::Observation Observe(const Probe& probe) {
    scenario::Observation o{probe.Read(form::kFeedbackBox).text,
                            probe.Read(form::kRightCount).text,
                            probe.Read(form::kWrongCount).text,
                            {},
                            {},
                            form::NameOf(Probe::IdOf(probe.Focus())),
                            probe.Told()};
    for (const form::Control& row : form::kControls) {
        if (row.kind != form::Kind::OptionButton) continue;
        const Probe::Reading reading = probe.Read(row.id);
        if (reading.checked) o.checked.push_back(form::NameOf(row.id));
        if (!reading.enabled) o.disabled.push_back(form::NameOf(row.id));
    }
    return o;
}

// The program as an edition of the scenario; counts the keys it did not
// take in time.
struct Win32Edition {
    const Probe& probe;
    Keyboard keyboard{probe.Handle()};
    int untaken = 0;

    void Play(const Action& action) {
        if (const form::ControlId control = scenario::ClickTarget(action);
            !(control == form::kWindow))
            return probe.Click(control);
        for (const KeyOf& k : kKeys)
            if (k.verb == action.verb && !keyboard.Press(k.key, k.shift)) ++untaken;
    }
};

// A right pair, its name and country by their rows; their buttons clicked
// again, now disabled; then the real clicks, on the finished name and on
// another country.
std::vector<Action> RealClickGame() {
    const quiz::AnswerPair& pair = quiz::AnswerKey[0];
    const quiz::AnswerPair& other = quiz::AnswerKey[1];
    return {{Verb::Name, pair.nameRow},   {Verb::Place, pair.placeRow}, {Verb::Check},
            {Verb::Name, pair.nameRow},   {Verb::Place, pair.placeRow}, {Verb::Name, pair.nameRow},
            {Verb::Place, other.placeRow}};
}

constexpr std::size_t kByMessage = 3;       // the right pair
constexpr std::size_t kAnsweredClicks = 2;  // on its disabled buttons

}  // namespace

namespace {

void Compare(Checks& checks, const Probe& probe, const std::vector<Action>& actions,
             const std::string& run, std::ostream* log) {
    Win32Edition win32{probe};
    const scenario::Edition edition{"win32", [&win32](const Action& a) { win32.Play(a); },
                                    [&probe] { return Observe(probe); }};
    const std::vector<std::string> failures = scenario::PlayAndCompare(actions, edition, log);
    for (const std::string& failure : failures) checks.Expect(false, failure);
    // Wine now and then loses the marker key that tells a key was taken, even
    // within 30 s (seen once in 300 keys, every step still as the model says):
    // the steps' comparison is the check, a lost marker only a note.
    if (win32.untaken > 0)
        std::cout << run << ": " << win32.untaken
                  << " key(s) whose marker the window never showed; their steps were compared "
                     "all the same\n";
    checks.Expect(failures.empty(), run + ": " + std::to_string(actions.size()) +
                                        " steps, each shows what the model does");
}

}  // namespace

void PlayScenario(Checks& checks, const Probe& probe, const std::vector<Action>& actions,
                  const std::string& run) {
    std::ofstream log = scenario::OpenLog(run, "win32");
    Compare(checks, probe, actions, run, log.is_open() ? &log : nullptr);
}

void BeforeRealClicks(Checks& checks, const Probe& probe) {
    const std::vector<Action> game = RealClickGame();
    Compare(checks, probe, {game.begin(), game.begin() + kByMessage}, "a right pair", nullptr);
    for (std::size_t n = kByMessage; n < kByMessage + kAnsweredClicks; ++n) {
        const form::ControlId button = scenario::ClickTarget(game[n]);
        checks.Expect(probe.ClickAnswered(button, kAnswerMs),
                      "BM_CLICK on the disabled " + form::NameOf(button) + " was answered");
    }
    for (std::size_t n = kByMessage + kAnsweredClicks; n < game.size(); ++n) {
        const form::ControlId button = scenario::ClickTarget(game[n]);
        const POINT at = probe.ScreenCentre(button);
        std::printf("CLICK %ld %ld %s\n", at.x, at.y, form::NameOf(button).c_str());
    }
}

void AfterRealClicks(Checks& checks, const Probe& probe) {
    scenario::Model model;
    for (const Action& action : RealClickGame()) model.Play(action);
    const std::vector<std::string> differences =
        scenario::Differences(scenario::Sorted(Observe(probe)), model.Observe());
    for (const std::string& difference : differences) checks.Expect(false, difference);
    checks.Expect(differences.empty(), "after the real clicks, as the model after the same");
}
