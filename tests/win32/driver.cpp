// Drives the quiz window from outside, one phase per run, and checks what it
// reads against the form table. The test script makes real key presses and
// mouse clicks between phases. Every reading is printed as UTF-8; the exit
// code is 1 if any check failed.
//   layout       the window and every control as first shown
//   keys         after the script pressed Escape, Tab, Down, Tab
//   play         a right pair, a wrong pair; prints where to click
//   after-click  after the script's clicks; Check, Clear, a full game
//   counts       105 wrong answers, and count captions that fit
//   close        asks the window to close

#include <objbase.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "Checks.h"
#include "GamePhases.h"
#include "LayoutPhase.h"
#include "Probe.h"
#include "window/win32/TextConversion.h"

namespace {

constexpr DWORD kFindTimeoutMs = 20000;

int Run(const std::string& phase, Checks& checks, const Probe& probe) {
    if (phase == "layout")
        Layout(checks, probe);
    else if (phase == "keys")
        Keys(checks, probe);
    else if (phase == "play")
        Play(checks, probe);
    else if (phase == "after-click")
        AfterClick(checks, probe);
    else if (phase == "counts")
        Counts(checks, probe);
    else if (phase == "close")
        checks.Expect(PostMessageW(probe.Handle(), WM_CLOSE, 0, 0) != FALSE, "asked to close");
    else
        return 2;
    return checks.Failed() == 0 ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 2) {
        std::fputs("usage: driver layout|keys|play|after-click|counts|close\n", stderr);
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
    const int code = Run(phase, checks, probe);
    if (code == 2) std::fprintf(stderr, "driver: no phase %s\n", phase.c_str());
    std::printf("driver %s: %d passed, %d failed\n", phase.c_str(), checks.Passed(),
                checks.Failed());
    std::fflush(stdout);
    return code;
}
