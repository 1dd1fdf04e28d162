#include "GamePhases.h"

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "ControlNames.h"
#include "TabOrder.h"
#include "quiz/AnswerKey.h"
#include "window/FormLayout.h"
#include "window/win32/WindowIds.h"

using form::ControlId;

namespace {

constexpr int kPairs = quiz::kPairCount;

const std::string kRightFeedback = "Правилно!\r\n\r\n";
const std::string kWrongFeedback = "Грешен отговор - опитайте отново.\r\n";
const std::string kPrompt = "Направете своя избор!";

// What the window should show: the picks' buttons, the finished pairs, the
// feedback and the two counts.
struct Expected {
    std::array<bool, kPairs> nameChecked{};
    std::array<bool, kPairs> placeChecked{};
    std::array<bool, kPairs> finished{};
    std::string feedback;
    int right = 0;
    int wrong = 0;

    void Pick(ControlId id) {
        auto& group = id == form::Option1(id.index) ? nameChecked : placeChecked;
        group.fill(false);
        group[static_cast<std::size_t>(id.index)] = true;
    }
    void Right(int pair) {
        const auto i = static_cast<std::size_t>(pair);
        finished[i] = true;
        nameChecked[i] = placeChecked[i] = false;
        feedback = kRightFeedback;
        ++right;
    }
    void Wrong() {
        feedback = kWrongFeedback;
        ++wrong;
    }
    void Clear() { *this = Expected{{}, {}, {}, kPrompt}; }
};

std::string Describe(const std::string& feedback, const std::string& right,
                     const std::string& wrong, const std::vector<std::string>& checked,
                     const std::vector<std::string>& disabled) {
    std::string line = "feedback=\"" + feedback + "\" " + right + " | " + wrong + " | checked:";
    for (const auto& c : checked) line += " " + c;
    line += " | disabled:";
    for (const auto& d : disabled) line += " " + d;
    return line;
}

std::string Describe(const Probe& probe) {
    std::vector<std::string> checked, disabled;
    for (const ControlId& id : {form::Option1(0), form::Option2(0)})
        for (int i = 0; i < kPairs; ++i) {
            const ControlId button{id.name, i};
            const Probe::Reading reading = probe.Read(button);
            if (reading.checked) checked.push_back(Name(button));
            if (!reading.enabled) disabled.push_back(Name(button));
        }
    return Describe(probe.Read(form::kFeedbackBox).text, probe.Read(form::kRightCount).text,
                    probe.Read(form::kWrongCount).text, checked, disabled);
}

std::string Describe(const Expected& e) {
    std::vector<std::string> checked, disabled;
    for (int i = 0; i < kPairs; ++i)
        if (e.nameChecked[static_cast<std::size_t>(i)]) checked.push_back(Name(form::Option1(i)));
    for (int i = 0; i < kPairs; ++i)
        if (e.placeChecked[static_cast<std::size_t>(i)]) checked.push_back(Name(form::Option2(i)));
    for (int i = 0; i < kPairs; ++i)
        if (e.finished[static_cast<std::size_t>(i)]) disabled.push_back(Name(form::Option1(i)));
    for (int i = 0; i < kPairs; ++i)
        if (e.finished[static_cast<std::size_t>(i)]) disabled.push_back(Name(form::Option2(i)));
    return Describe(e.feedback, Count("Вярно:", e.right), Count("Грешно:", e.wrong), checked,
                    disabled);
}

void ExpectState(Checks& checks, const Probe& probe, const Expected& expected,
                 const std::string& step) {
    checks.ExpectEqual(Describe(probe), Describe(expected), step);
}

// The test clicks a button only while it is enabled: under Wine a message
// click would reach a disabled one too.
void Click(Checks& checks, const Probe& probe, ControlId id) {
    const bool enabled = probe.Read(id).enabled;
    checks.Expect(enabled, "click " + Name(id) + (enabled ? "" : ": it is disabled"));
    if (enabled) probe.Click(id);
}

void PlayPair(Checks& checks, const Probe& probe, Expected& expected, int name, int place) {
    Click(checks, probe, form::Option1(name));
    expected.Pick(form::Option1(name));
    Click(checks, probe, form::Option2(place));
    expected.Pick(form::Option2(place));
    Click(checks, probe, form::Command1(form::kCheckButton));
    if (name == place)
        expected.Right(name);
    else
        expected.Wrong();
    ExpectState(checks, probe, expected,
                "pair " + Name(form::Option1(name)) + " + " + Name(form::Option2(place)));
}

// Which name the Down key picked in the keys phase.
int KeyboardPick(const Probe& probe) {
    for (int i = 0; i < kPairs; ++i)
        if (probe.Read(form::Option1(i)).checked) return i;
    return -1;
}

void FullGame(Checks& checks, const Probe& probe, Expected& expected) {
    // Top to bottom down the countries, so the names are not taken in order.
    std::array<int, kPairs> byPlaceRow{};
    for (int i = 0; i < kPairs; ++i)
        byPlaceRow[static_cast<std::size_t>(quiz::AnswerKey[static_cast<std::size_t>(i)].placeRow -
                                            1)] = i;
    for (const int pair : byPlaceRow) PlayPair(checks, probe, expected, pair, pair);
    checks.ExpectEqual(TabSequence(probe),
                       ExpectedTabSequence({form::Command1(form::kCheckButton),
                                            form::Command1(form::kClearButton)}),
                       "tab order with every pair finished");
    Click(checks, probe, form::Command1(form::kClearButton));
    expected.Clear();
    Click(checks, probe, form::Command1(form::kCheckButton));
    expected.Wrong();
    ExpectState(checks, probe, expected, "Clear, then Check with nothing picked");
}

}  // namespace

void Keys(Checks& checks, const Probe& probe) {
    const Expected start{};
    const ControlId firstName = FirstOption(form::Frame1(0), start.finished);
    const HWND next = GetNextDlgGroupItem(probe.Handle(), probe.Control(firstName), FALSE);
    checks.ExpectEqual(NameOf(probe.Focus()), Name(FirstOption(form::Frame1(1), start.finished)),
                       "focus after Tab, Down, Tab");
    const std::size_t row = form::win32::RowOfControlId(GetDlgCtrlID(next));
    checks.Expect(row < form::kControls.size() && form::kControls[row].container == form::Frame1(0),
                  "Down stays among the names: " + NameOf(next));
    checks.ExpectEqual(SendMessageW(next, BM_GETCHECK, 0, 0) == BST_CHECKED, true,
                       "Down checked " + NameOf(next));
    const HWND back = GetNextDlgTabItem(probe.Handle(), probe.Focus(), TRUE);
    checks.ExpectEqual(NameOf(back), NameOf(next), "Shift+Tab would go back to the checked name");
}

void Play(Checks& checks, const Probe& probe) {
    const int keyed = KeyboardPick(probe);
    checks.Expect(keyed >= 0, "a name is checked from the keys phase: " + std::to_string(keyed));
    if (keyed < 0) return;
    Expected expected;
    expected.feedback = std::string(form::kAssignmentText);
    expected.Pick(form::Option1(keyed));
    ExpectState(checks, probe, expected, "before play");

    // A right pair whose name was picked with the keyboard.
    Click(checks, probe, form::Option2(keyed));
    expected.Pick(form::Option2(keyed));
    Click(checks, probe, form::Command1(form::kCheckButton));
    expected.Right(keyed);
    ExpectState(checks, probe, expected, "right pair " + std::to_string(keyed));

    const int other = FirstOption(form::Frame1(0), expected.finished).index;
    const int wrongPlace =
        (other + 1) % kPairs == keyed ? (other + 2) % kPairs : (other + 1) % kPairs;
    PlayPair(checks, probe, expected, other, wrongPlace);
    checks.ExpectEqual(TabSequence(probe),
                       ExpectedTabSequence({form::Option1(other), form::Option2(wrongPlace),
                                            form::Command1(form::kCheckButton),
                                            form::Command1(form::kClearButton)}),
                       "tab order lands on the checked buttons");

    // For the script: a finished pair's name, which must ignore the mouse,
    // and the country of the picked name, which must take it.
    const POINT off = probe.ScreenCentre(form::Option1(keyed));
    const POINT on = probe.ScreenCentre(form::Option2(other));
    std::printf("CLICK %ld %ld disabled %s\n", off.x, off.y, Name(form::Option1(keyed)).c_str());
    std::printf("CLICK %ld %ld enabled %s\n", on.x, on.y, Name(form::Option2(other)).c_str());
}

// The script clicked the finished name and then the picked name's country:
// if the first click had been taken, the pair below would be wrong.
void AfterClick(Checks& checks, const Probe& probe) {
    int name = -1, finished = -1;
    for (int i = 0; i < kPairs; ++i) {
        const Probe::Reading reading = probe.Read(form::Option1(i));
        if (reading.checked) name = i;
        if (!reading.enabled) finished = i;
    }
    checks.Expect(finished >= 0 && !probe.Read(form::Option1(finished)).checked,
                  "the finished name stayed unchecked: " + Name(form::Option1(finished)));
    checks.Expect(name >= 0 && probe.Read(form::Option2(name)).checked,
                  "the real click checked the country of the picked name " + std::to_string(name));
    if (name < 0) return;
    Expected expected;
    expected.finished[static_cast<std::size_t>(finished)] = true;
    expected.right = 1;
    expected.wrong = 1;
    expected.Pick(form::Option1(name));
    expected.Pick(form::Option2(name));
    Click(checks, probe, form::Command1(form::kCheckButton));
    expected.Right(name);
    ExpectState(checks, probe, expected, "Check after the real clicks");

    Click(checks, probe, form::Command1(form::kClearButton));
    expected.Clear();
    ExpectState(checks, probe, expected, "Clear");
    FullGame(checks, probe, expected);
}
