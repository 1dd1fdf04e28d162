#pragma once

#include "FormLayout.h"
#include "OptionStates.h"

// The arrow keys in a group of option buttons. Every platform's own
// convention for a radio group is the same: all four arrows move to the
// previous or next enabled button, wrapping round at the ends, and check the
// button they land on. Up and Left go up the column as the pupil sees it,
// Down and Right go down it; a finished pair's button is passed over.
namespace form {

enum class Arrow { Up, Down, Left, Right };

// The button an arrow moves to from the option button `from`, which the
// window then focuses and checks; `from` itself when no other one is enabled.
[[nodiscard]] ControlId ArrowTarget(ControlId from, Arrow arrow, const OptionStates& options);

}  // namespace form
