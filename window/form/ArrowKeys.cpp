#include "ArrowKeys.h"

namespace form {

ControlId ArrowTarget(ControlId from, Arrow arrow, const OptionStates& options) {
    const Control& start = At(from);
    const int row = start.rect.top / kOptionRowHeight;
    const int step = arrow == Arrow::Up || arrow == Arrow::Left ? quiz::kPairCount - 1 : 1;
    for (int n = 1; n < quiz::kPairCount; ++n) {
        const ControlId next =
            OptionOnRow(start.container, (row - 1 + n * step) % quiz::kPairCount + 1);
        if (!(next == kWindow) && options.Of(next).enabled) return next;
    }
    return from;
}

}  // namespace form
