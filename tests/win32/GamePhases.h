#pragma once

#include "Checks.h"
#include "Probe.h"

// The phases that play the quiz; the test script presses keys and clicks the
// mouse between them.

// After Escape, Tab, Down, Tab: the focus, and the name Down checked.
void Keys(Checks& checks, const Probe& probe);

// A right pair (its name picked with the keyboard), a wrong pair; prints
// where the script is to click: "CLICK x y disabled|enabled NAME".
void Play(Checks& checks, const Probe& probe);

// Only the click on the enabled button was taken; then Check, Clear and a
// full game.
void AfterClick(Checks& checks, const Probe& probe);
