#pragma once

#include "FormLayout.h"
#include "OptionStates.h"

// Where Tab goes. As on the classic desktop, a frame's group of option buttons
// is one stop, at one of its buttons; every other control that takes the
// keyboard is a stop of its own. Stops follow the table's tab indexes, a
// group at its stop's own index, and Tab wraps round at the ends.
namespace form {

// The button of a frame that Tab lands on: its checked button, else its
// enabled one with the lowest tab index; kWindow when none is enabled.
[[nodiscard]] ControlId TabStopOf(ControlId frame, const OptionStates& options);

// Where Tab (or Shift+Tab, `backwards`) moves the focus from `from`; from
// kWindow, nothing focused, to the first stop (or the last).
[[nodiscard]] ControlId NextTabStop(ControlId from, bool backwards, const OptionStates& options);

// Whether that step goes round from the last stop to the first (or back).
// A browser does not: it leaves the page there for its own controls.
[[nodiscard]] bool TabWraps(ControlId from, bool backwards, const OptionStates& options);

}  // namespace form
