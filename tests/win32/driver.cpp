// Drives the quiz window from outside, one phase per run, and checks what it
// reads against the form table. The test script makes real key presses and
// mouse clicks between phases. Every reading is printed as UTF-8; the exit
// code is 1 if any check failed.
//   layout       the window and every control as first shown
//   keys         after the script pressed Escape, Tab, Down, Tab
//   play         a right pair, a wrong pair; prints where to click
//   after-click  after the script's clicks; Check, Clear, a full game
//   close        asks the window to close

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "Checks.h"
#include "Probe.h"
#include "quiz/AnswerKey.h"
#include "window/FormLayout.h"
#include "window/win32/WindowIds.h"

#ifndef QUIZ_PUBLISHER_ADDRESS
#error "QUIZ_PUBLISHER_ADDRESS names the web address at the start of the window caption"
#endif

using form::ControlId;
using form::Kind;

namespace {

constexpr DWORD kFindTimeoutMs = 20000;
constexpr int kTwipsPerInch = 1440;
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

std::string Name(ControlId id) {
    std::string name(id.name);
    return id.index < 0 ? name : name + "(" + std::to_string(id.index) + ")";
}

// The table's name of a control of the quiz window, found by its id.
std::string NameOf(HWND control) {
    const std::size_t row = form::win32::RowOfControlId(GetDlgCtrlID(control));
    return row < form::kControls.size() ? Name(form::kControls[row].id) : "none";
}

std::string Count(std::string_view prefix, int n) {
    return std::string(prefix) + " " + (n < 0 ? "" : " ") + std::to_string(n);
}

// One line of what the window shows, in the same words for what it should.
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
    return Describe(probe.Read(form::Text1(0)).text, probe.Read(form::Label1(1)).text,
                    probe.Read(form::Label1(2)).text, checked, disabled);
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

// --- layout -----------------------------------------------------------------

int ToPixels(int twips, int dpi) { return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch; }

RECT ExpectedRect(const form::Control& row, int dpi) {
    int left = row.rect.left, top = row.rect.top;
    if (!(row.container == form::kWindow)) {
        left += form::At(row.container).rect.left;
        top += form::At(row.container).rect.top;
    }
    return {ToPixels(left, dpi), ToPixels(top, dpi), ToPixels(left + row.rect.width, dpi),
            ToPixels(top + row.rect.height, dpi)};
}

std::string Show(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

std::string Hex(LONG_PTR bits) {
    char text[16] = {};
    std::snprintf(text, sizeof text, "0x%08lx", static_cast<unsigned long>(bits));
    return text;
}

struct KindTraits {
    const char* className;
    LONG_PTR styleBits;  // all must be set
    LONG_PTR styleMask;  // of the bits compared
};

KindTraits TraitsOf(Kind kind) {
    switch (kind) {
        case Kind::Label:
            return {"Static", 0, 0};
        case Kind::Frame:
            return {"Button", BS_GROUPBOX, BS_TYPEMASK};
        case Kind::OptionButton:
            return {"Button", BS_AUTORADIOBUTTON, BS_TYPEMASK};
        case Kind::PushButton:
            return {"Button", BS_OWNERDRAW, BS_TYPEMASK};
        case Kind::TextBox: {
            constexpr LONG_PTR bits = ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL;
            return {"Edit", bits, bits};
        }
        case Kind::ListBox:
            return {"ListBox", LBS_NOINTEGRALHEIGHT, LBS_NOINTEGRALHEIGHT};
    }
    return {"no such kind", 0, 0};
}

std::string StartText(const form::Control& row) {
    if (row.id == form::Label1(1)) return Count("Вярно:", 0);
    if (row.id == form::Label1(2)) return Count("Грешно:", 0);
    return std::string(row.text);
}

void CheckControl(Checks& checks, const Probe& probe, const form::Control& row, int dpi) {
    const std::string name = Name(row.id);
    const Probe::Reading reading = probe.Read(row.id);
    const KindTraits traits = TraitsOf(row.kind);
    checks.ExpectEqual(reading.className, std::string(traits.className), name + " class");
    checks.Expect((reading.style & traits.styleMask) == traits.styleBits,
                  name + " style " + Hex(reading.style));
    checks.ExpectEqual(reading.text, StartText(row), name + " text");
    checks.ExpectEqual(reading.visible, row.visible, name + " visible");
    checks.ExpectEqual(reading.enabled, true, name + " enabled");
    checks.ExpectEqual(reading.checked, false, name + " checked");
    checks.ExpectEqual(Show(reading.rect), Show(ExpectedRect(row, dpi)), name + " position");
}

// The option button Tab lands on in a frame with nothing checked: the first
// enabled one in tab index order.
ControlId FirstOption(ControlId frame, const Expected& state) {
    const form::Control* first = nullptr;
    for (const form::Control& row : form::kControls)
        if (row.container == frame && !state.finished[static_cast<std::size_t>(row.id.index)] &&
            (!first || row.tabIndex < first->tabIndex))
            first = &row;
    return first ? first->id : form::kWindow;
}

std::string TabSequence(const Probe& probe) {
    const HWND start = probe.Control(form::Text1(0));
    std::string sequence;
    HWND at = start;
    for (std::size_t step = 0; step < form::kControls.size(); ++step) {
        at = GetNextDlgTabItem(probe.Handle(), at, FALSE);
        if (!at || at == start) break;
        sequence += NameOf(at) + " ";
    }
    return sequence;
}

std::string ExpectedTabSequence(const std::vector<ControlId>& stops) {
    std::string sequence;
    for (const ControlId& id : stops) sequence += Name(id) + " ";
    return sequence;
}

void CheckWindow(Checks& checks, const Probe& probe, int dpi) {
    const form::Window& props = form::kWindowProps;
    checks.ExpectEqual(probe.Caption(),
                       QUIZ_PUBLISHER_ADDRESS + std::string(props.captionAfterAddress), "caption");
    const SIZE client = probe.ClientSize();
    checks.ExpectEqual(std::to_string(client.cx) + "x" + std::to_string(client.cy),
                       std::to_string(ToPixels(props.clientWidth, dpi)) + "x" +
                           std::to_string(ToPixels(props.clientHeight, dpi)),
                       "client size");
    const LONG_PTR style = GetWindowLongPtrW(probe.Handle(), GWL_STYLE);
    checks.Expect((style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX)) ==
                          (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX) &&
                      !(style & (WS_MAXIMIZEBOX | WS_THICKFRAME)),
                  "fixed border, minimise box only: style " + Hex(style));
    RECT window{};
    GetWindowRect(probe.Handle(), &window);
    const int offX = window.left + window.right - GetSystemMetrics(SM_CXSCREEN);
    const int offY = window.top + window.bottom - GetSystemMetrics(SM_CYSCREEN);
    checks.Expect(offX >= -1 && offX <= 1 && offY >= -1 && offY <= 1,
                  "centred on the screen: " + Show(window));
}

void Layout(Checks& checks, const Probe& probe) {
    const int dpi = probe.Dpi();
    std::printf("dpi %d\n", dpi);
    CheckWindow(checks, probe, dpi);
    for (const form::Control& row : form::kControls) CheckControl(checks, probe, row, dpi);
    checks.ExpectEqual(NameOf(probe.Focus()), Name(form::Text1(0)), "focus at start");
    const Expected start{};
    checks.ExpectEqual(
        TabSequence(probe),
        ExpectedTabSequence(
            {FirstOption(form::Frame1(0), start), FirstOption(form::Frame1(1), start),
             form::Command1(form::kCheckButton), form::Command1(form::kClearButton)}),
        "tab order after Text1(0)");
}

// --- keys, play, after-click --------------------------------------------------

// The script pressed Escape (which must leave the window open), Tab (into the
// names), Down (to the next name, which checks it) and Tab (into the countries).
void Keys(Checks& checks, const Probe& probe) {
    const Expected start{};
    const ControlId firstName = FirstOption(form::Frame1(0), start);
    const HWND next = GetNextDlgGroupItem(probe.Handle(), probe.Control(firstName), FALSE);
    checks.ExpectEqual(NameOf(probe.Focus()), Name(FirstOption(form::Frame1(1), start)),
                       "focus after Tab, Down, Tab");
    const std::size_t row = form::win32::RowOfControlId(GetDlgCtrlID(next));
    checks.Expect(row < form::kControls.size() && form::kControls[row].container == form::Frame1(0),
                  "Down stays among the names: " + NameOf(next));
    checks.ExpectEqual(SendMessageW(next, BM_GETCHECK, 0, 0) == BST_CHECKED, true,
                       "Down checked " + NameOf(next));
    const HWND back = GetNextDlgTabItem(probe.Handle(), probe.Focus(), TRUE);
    checks.ExpectEqual(NameOf(back), NameOf(next), "Shift+Tab would go back to the checked name");
}

// Which name the Down key picked in the keys phase.
int KeyboardPick(const Probe& probe) {
    for (int i = 0; i < kPairs; ++i)
        if (probe.Read(form::Option1(i)).checked) return i;
    return -1;
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

    const int other = FirstOption(form::Frame1(0), expected).index;
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

int Run(const std::string& phase, Checks& checks, const Probe& probe) {
    if (phase == "layout")
        Layout(checks, probe);
    else if (phase == "keys")
        Keys(checks, probe);
    else if (phase == "play")
        Play(checks, probe);
    else if (phase == "after-click")
        AfterClick(checks, probe);
    else if (phase == "close")
        checks.Expect(PostMessageW(probe.Handle(), WM_CLOSE, 0, 0) != FALSE, "asked to close");
    else
        return 2;
    return checks.Failed() == 0 ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 2) {
        std::fputs("usage: driver layout|keys|play|after-click|close\n", stderr);
        return 2;
    }
    const std::string phase = ToUtf8(argv[1]);
    const Probe probe(kFindTimeoutMs);
    Checks checks;
    checks.Expect(probe.Handle() != nullptr, "found the quiz window");
    if (!probe.Handle()) return 1;
    const int code = Run(phase, checks, probe);
    if (code == 2) std::fprintf(stderr, "driver: no phase %s\n", phase.c_str());
    std::printf("driver %s: %d passed, %d failed\n", phase.c_str(), checks.Passed(),
                checks.Failed());
    std::fflush(stdout);
    return code;
}
