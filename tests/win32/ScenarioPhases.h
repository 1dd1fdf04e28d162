#pragma once

#include <string>
#include <vector>

#include "Checks.h"
#include "Probe.h"
#include "Scenario.h"

// The shared scenarios played on the running program, each from its start
// state, against the model: clicks by window message, as the mouse or an
// assistive technology sends them, disabled buttons too; keys as real input.
// The observations go to the run's log, `run`-win32.jsonl.
void PlayScenario(Checks& checks, const Probe& probe, const std::vector<scenario::Action>& actions,
                  const std::string& run);

// A right pair from the start, then a click message to each of its disabled
// buttons, which must be answered at once; prints where the script is to
// click with the real mouse: "CLICK x y NAME", the finished name, then the
// country of another pair.
void BeforeRealClicks(Checks& checks, const Probe& probe);

// After those real clicks: the program shows what the model does after the
// same clicks, the one on the disabled button taken by nothing.
void AfterRealClicks(Checks& checks, const Probe& probe);
