#include "ArrowKeys.h"

#include <algorithm>
#include <vector>

namespace form {

ControlId ArrowTarget(ControlId from, Arrow arrow, const OptionStates& options) {
    const ControlId frame = At(from).container;
    std::vector<const Control*> column;
    for (const Control& row : kControls)
        if (row.container == frame && row.kind == Kind::OptionButton) column.push_back(&row);
    std::sort(column.begin(), column.end(),
              [](const Control* a, const Control* b) { return a->rect.top < b->rect.top; });
    const auto size = static_cast<std::ptrdiff_t>(column.size());
    const std::ptrdiff_t start = std::find_if(column.begin(), column.end(),
                                              [from](const Control* c) { return c->id == from; }) -
                                 column.begin();
    const std::ptrdiff_t step = arrow == Arrow::Up || arrow == Arrow::Left ? size - 1 : 1;
    for (std::ptrdiff_t n = 1; n < size; ++n) {
        const Control* next = column[static_cast<std::size_t>((start + n * step) % size)];
        if (options.Of(next->id).enabled) return next->id;
    }
    return from;
}

}  // namespace form
