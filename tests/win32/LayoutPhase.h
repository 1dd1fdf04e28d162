#pragma once

#include "Checks.h"
#include "Probe.h"

// The window and every control as first shown, against the form table:
// caption, size, place, class, style, text, state, focus and tab order.
void Layout(Checks& checks, const Probe& probe);
