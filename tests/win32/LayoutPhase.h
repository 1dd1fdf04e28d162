#pragma once

#include "Checks.h"
#include "Probe.h"

// The window and every control as first shown, against the form table:
// caption, size, place, class, style, text, state and what a screen reader
// reads. Where the focus and Tab go, the scenario shows.
void Layout(Checks& checks, const Probe& probe);
