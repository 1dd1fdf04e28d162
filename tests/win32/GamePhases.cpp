#include "GamePhases.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "CaptionFit.h"
#include "ControlNames.h"
#include "TabOrder.h"
#include "TextEvents.h"
#include "quiz/AnswerKey.h"
#include "window/FormLayout.h"
#include "window/win32/WindowIds.h"

using form::ControlId;

namespace {

constexpr int kPairs = quiz::kPairCount;
constexpr int kWrongAnswers = 105;  // a three-digit count, wider than its label at first
// A message the window takes in turn with its input is answered within this,
// unless the window hangs.
constexpr DWORD kAnswerMs = 5000;
constexpr DWORD kPollMs = 20;

// A row in the middle of a column.
constexpr int kSkippedRow = 6;
// A country whose tab index comes after both push buttons.
constexpr int kLatePlace = 1;
static_assert(form::At(form::Option2(kLatePlace)).tabIndex >
              form::At(form::Command1(form::kClearButton)).tabIndex);

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

// The checked button of one frame's array, such as Option1; -1 if none is.
int CheckedIndex(const Probe& probe, ControlId first) {
    for (int i = 0; i < kPairs; ++i)
        if (probe.Read({first.name, i}).checked) return i;
    return -1;
}

// The option button of a frame on a row, 1 at the top.
ControlId OnRow(ControlId frame, int row) {
    for (const form::Control& c : form::kControls)
        if (c.container == frame && c.rect.top == row * form::kOptionRowHeight) return c.id;
    return form::kWindow;
}

// A key and the row it must move to; 0: it must move nothing, which the
// next key shows.
struct ArrowStep {
    UINT key;
    int row;
};

// Up to the top row and one more, down to the bottom row and one more, then
// Left and Right, which find nothing beside a button.
std::vector<ArrowStep> ArrowWalk(int startRow) {
    std::vector<ArrowStep> steps;
    for (int row = startRow - 1; row >= 1; --row) steps.push_back({VK_UP, row});
    steps.push_back({VK_UP, 0});
    for (int row = 2; row <= kPairs; ++row) steps.push_back({VK_DOWN, row});
    steps.push_back({VK_DOWN, 0});
    steps.push_back({VK_UP, kPairs - 1});
    steps.push_back({VK_LEFT, 0});
    steps.push_back({VK_RIGHT, 0});
    steps.push_back({VK_UP, kPairs - 2});
    return steps;
}

// Waits until the button has the focus and is checked; false if it never does.
bool WaitForPick(const Probe& probe, ControlId button) {
    for (DWORD waited = 0; waited < kAnswerMs; waited += kPollMs) {
        if (probe.Focus() == probe.Control(button) && probe.Read(button).checked) return true;
        Sleep(kPollMs);
    }
    return false;
}

// The arrow keys on the focused option button, as the pupil sees its column.
void CheckArrowWalk(Checks& checks, const Probe& probe) {
    const std::size_t focus = form::win32::RowOfControlId(GetDlgCtrlID(probe.Focus()));
    const bool onOption =
        focus < form::kControls.size() && form::kControls[focus].kind == form::Kind::OptionButton;
    checks.Expect(onOption, "the arrow walk starts on an option button: " + NameOf(probe.Focus()));
    if (!onOption) return;
    const form::Control& start = form::kControls[focus];
    std::string walked, expected;
    for (const ArrowStep& step : ArrowWalk(start.rect.top / form::kOptionRowHeight)) {
        probe.PostKey(step.key);
        if (step.row == 0) continue;
        const ControlId target = OnRow(start.container, step.row);
        expected += Name(target) + " ";
        if (!WaitForPick(probe, target)) {
            walked += "then " + NameOf(probe.Focus());
            break;
        }
        walked += Name(target) + " ";
    }
    checks.ExpectEqual(walked, expected, "arrows from " + Name(start.id) + " by rows");
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
    const FinishedPairs none{};
    const ControlId firstName = FirstOption(form::Frame1(0), none);
    const ControlId below =
        OnRow(form::Frame1(0), form::At(firstName).rect.top / form::kOptionRowHeight + 1);
    checks.ExpectEqual(CheckedIndex(probe, form::Option1(0)), below.index,
                       "Down from " + Name(firstName) + " checked the name below, " + Name(below));
    // Tab went on to the stop that follows the checked name in tab index order.
    const std::vector<ControlId> stops =
        InTabOrder({below, FirstOption(form::Frame1(1), none), form::Command1(form::kCheckButton),
                    form::Command1(form::kClearButton)});
    const auto next = std::find(stops.begin(), stops.end(), below) + 1;
    checks.ExpectEqual(NameOf(probe.Focus()),
                       Name(next == stops.end() ? form::kFeedbackBox : *next),
                       "focus after Tab, Down, Tab");
    checks.ExpectEqual(CheckedIndex(probe, form::Option2(0)), -1,
                       "Tab into the countries picked none");
    const HWND back = GetNextDlgTabItem(probe.Handle(), probe.Focus(), TRUE);
    checks.ExpectEqual(NameOf(back), Name(below), "Shift+Tab would go back to the checked name");
    CheckArrowWalk(checks, probe);
}

void Play(Checks& checks, const Probe& probe) {
    const int keyed = CheckedIndex(probe, form::Option1(0));
    const int keyedPlace = CheckedIndex(probe, form::Option2(0));
    checks.Expect(keyed >= 0, "a name is checked from the keys phase: " + std::to_string(keyed));
    if (keyed < 0) return;
    Expected expected;
    expected.feedback = std::string(form::kAssignmentText);
    expected.Pick(form::Option1(keyed));
    if (keyedPlace >= 0) expected.Pick(form::Option2(keyedPlace));
    ExpectState(checks, probe, expected, "before play");

    // A right pair whose name was picked with the keyboard.
    Click(checks, probe, form::Option2(keyed));
    expected.Pick(form::Option2(keyed));
    Click(checks, probe, form::Command1(form::kCheckButton));
    expected.Right(keyed);
    ExpectState(checks, probe, expected, "right pair " + std::to_string(keyed));

    // A click message on a finished pair's button is answered at once, and
    // picks nothing and moves no focus.
    const HWND focus = probe.Focus();
    for (const ControlId id : {form::Option1(keyed), form::Option2(keyed)})
        checks.Expect(probe.ClickAnswered(id, kAnswerMs),
                      "BM_CLICK on the disabled " + Name(id) + " was answered");
    checks.ExpectEqual(NameOf(probe.Focus()), NameOf(focus), "the focus stayed");
    ExpectState(checks, probe, expected, "after BM_CLICK on the finished pair");

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

    // Tab reaches a picked country at its own tab index, after the buttons.
    Click(checks, probe, form::Option2(kLatePlace));
    expected.Pick(form::Option2(kLatePlace));
    const FinishedPairs none{};
    checks.ExpectEqual(
        TabSequence(probe),
        ExpectedTabSequence({FirstOption(form::Frame1(0), none), form::Option2(kLatePlace),
                             form::Command1(form::kCheckButton),
                             form::Command1(form::kClearButton)}),
        "tab order with " + Name(form::Option2(kLatePlace)) + " picked");
    FullGame(checks, probe, expected);
}

void Counts(Checks& checks, const Probe& probe) {
    Click(checks, probe, form::Command1(form::kClearButton));
    Expected expected;
    expected.Clear();
    TextEvents events(probe.Handle());
    for (int n = 0; n < kWrongAnswers; ++n) {
        probe.Click(form::Command1(form::kCheckButton));
        expected.Wrong();
    }
    ExpectState(checks, probe, expected, std::to_string(kWrongAnswers) + " wrong answers");
    // Each verdict and each count reaches a screen reader without the focus.
    checks.ExpectEqual(
        events.Count(probe.Control(form::kFeedbackBox), EVENT_OBJECT_VALUECHANGE, kWrongAnswers),
        kWrongAnswers, "value changes of " + Name(form::kFeedbackBox));
    checks.ExpectEqual(
        events.Count(probe.Control(form::kWrongCount), EVENT_OBJECT_NAMECHANGE, kWrongAnswers),
        kWrongAnswers, "name changes of " + Name(form::kWrongCount));
    checks.ExpectEqual(events.Count(probe.Control(form::kRightCount), EVENT_OBJECT_NAMECHANGE, 0),
                       0, "name changes of " + Name(form::kRightCount));

    // Down steps over a finished pair's row.
    const int finished = OnRow(form::Frame1(1), kSkippedRow).index;
    PlayPair(checks, probe, expected, finished, finished);
    Click(checks, probe, OnRow(form::Frame1(1), kSkippedRow - 1));
    probe.PostKey(VK_DOWN);
    const bool skipped = WaitForPick(probe, OnRow(form::Frame1(1), kSkippedRow + 1));
    checks.Expect(skipped, "Down over the finished row " + std::to_string(kSkippedRow) +
                               " went to " + NameOf(probe.Focus()));
    CheckCaptionsFit(checks, probe.Dpi(), kWrongAnswers);
}
