// Drives the quiz window from outside, one phase per run, and checks what it
// reads against the form table and the model. The test script starts the
// program, makes real mouse clicks between phases and closes it. Every
// reading is printed as UTF-8; the exit code is 1 if any check failed.
//   layout       the window and every control as first shown
//   scenario     the shared scenario from standard input, from the start
//   random       the seeded random run (QUIZ_SEED), from the start
//   clicks       a right pair from the start; prints where to click for real
//   after-clicks after the script's real clicks, as the model
//   events       accessibility events of a few wrong answers
//   fit          the count captions fit their labels, in this process's window
//   close        asks the window to close

#include <objbase.h>
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <stdexcept>
#include <string>

#include "CaptionFit.h"
#include "Checks.h"
#include "LayoutPhase.h"
#include "Probe.h"
#include "ScenarioPhases.h"
#include "TextEvents.h"
#include "window/win32/TextConversion.h"

namespace {

constexpr DWORD kFindTimeoutMs = 20000;
// A three-digit count, wider than its label in the form's font.
constexpr int kWrongAnswers = 105;
constexpr int kEventAnswers = 3;

// Each verdict and each count is told to a screen reader that shows the
// control, away from the focus.
void Events(Checks& checks, const Probe& probe) {
    probe.Click(form::Command1(form::kClearButton));
    TextEvents events(probe.Handle());
    for (int n = 0; n < kEventAnswers; ++n) probe.Click(form::Command1(form::kCheckButton));
    const struct {
        form::ControlId control;
        DWORD event;
        int count;
    } expected[] = {{form::kFeedbackBox, EVENT_OBJECT_VALUECHANGE, kEventAnswers},
                    {form::kWrongCount, EVENT_OBJECT_NAMECHANGE, kEventAnswers},
                    {form::kRightCount, EVENT_OBJECT_NAMECHANGE, 0}};
    for (const auto& e : expected)
        checks.ExpectEqual(events.Count(probe.Control(e.control), e.event, e.count), e.count,
                           "events of " + form::NameOf(e.control) + " after " +
                               std::to_string(kEventAnswers) + " wrong answers");
}

void RandomRun(Checks& checks, const Probe& probe) {
    const std::uint32_t seed = scenario::Seed();
    std::printf("the random run: seed %u, %d actions (QUIZ_SEED=%u replays it)\n", seed,
                scenario::kRandomRunLength, seed);
    PlayScenario(checks, probe, scenario::RandomScenario(seed, scenario::kRandomRunLength),
                 "random");
}

int Run(const std::string& phase, Checks& checks, const Probe& probe) {
    if (phase == "layout")
        Layout(checks, probe);
    else if (phase == "scenario")
        PlayScenario(checks, probe, scenario::Parse(std::cin), "game");
    else if (phase == "random")
        RandomRun(checks, probe);
    else if (phase == "clicks")
        BeforeRealClicks(checks, probe);
    else if (phase == "after-clicks")
        AfterRealClicks(checks, probe);
    else if (phase == "events")
        Events(checks, probe);
    else if (phase == "fit")
        CheckCaptionsFit(checks, probe.Dpi(), kWrongAnswers);
    else if (phase == "close")
        checks.Expect(PostMessageW(probe.Handle(), WM_CLOSE, 0, 0) != FALSE, "asked to close");
    else
        return 2;
    return checks.Failed() == 0 ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 2) {
        std::fputs("usage: driver layout|scenario|random|clicks|after-clicks|events|fit|close\n",
                   stderr);
        return 2;
    }
    const std::string phase = form::win32::Narrow(argv[1]);
    // Reads the window's pixels as they are: a process unaware of the dpi
    // sees other programs' windows scaled to 96 dpi (as Wine 10 does too).
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    // Accessible objects come from the window's process through COM.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const Probe probe(kFindTimeoutMs);
    Checks checks;
    checks.Expect(probe.Handle() != nullptr, "found the quiz window");
    if (!probe.Handle()) return 1;
    int code = 2;
    try {
        code = Run(phase, checks, probe);
    } catch (const std::runtime_error& error) {  // a scenario it cannot read
        checks.Expect(false, error.what());
        code = 1;
    }
    if (code == 2) std::fprintf(stderr, "driver: no phase %s\n", phase.c_str());
    std::printf("driver %s: %d passed, %d failed\n", phase.c_str(), checks.Passed(),
                checks.Failed());
    std::fflush(stdout);
    return code;
}
