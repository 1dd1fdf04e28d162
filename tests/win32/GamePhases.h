#pragma once

#include "Checks.h"
#include "Probe.h"

// The phases that play the quiz; the test script presses keys and clicks the
// mouse between them.

// After Escape, Tab, Down, Tab: the focus and the name Down checked; then
// the arrow keys walk the focused frame from its top row to its bottom row.
void Keys(Checks& checks, const Probe& probe);

// A right pair (its name picked with the keyboard), a wrong pair; prints
// where the script is to click: "CLICK x y disabled|enabled NAME".
void Play(Checks& checks, const Probe& probe);

// Only the click on the enabled button was taken; then Check, Clear, the Tab
// order with a late country picked and a full game.
void AfterClick(Checks& checks, const Probe& probe);

// Clear, then wrong answers until the count has three digits; Down over a
// finished pair; then how the count captions fit their labels.
void Counts(Checks& checks, const Probe& probe);
