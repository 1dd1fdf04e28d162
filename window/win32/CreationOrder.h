#pragma once

#include <array>
#include <cstddef>

#include "window/form/FormLayout.h"

// The rows of the form table in the order their controls are made, which is
// the order assistive technology lists them in: the window's own controls in
// tab index order, and each frame's option buttons as its children, top to
// bottom.
namespace form::win32 {

namespace detail {

constexpr bool InWindow(const Control& row) { return row.container == kWindow; }

constexpr auto MakeCreationOrder() {
    std::array<std::size_t, kControls.size()> order{};
    std::size_t n = 0;
    for (const Control* row : kTabOrder)
        if (InWindow(*row)) order[n++] = RowOf(row->id);
    for (std::size_t row = 0; row < kControls.size(); ++row)
        if (!InWindow(kControls[row])) order[n++] = row;
    return order;
}

}  // namespace detail

inline constexpr auto kCreationOrder = detail::MakeCreationOrder();

// Whether a control starts a group of the dialog keys: each of the window's
// own controls does, and so does the first option button in a frame.
constexpr bool StartsGroup(std::size_t position) {
    if (position == 0) return true;
    const Control& row = kControls[kCreationOrder[position]];
    const Control& before = kControls[kCreationOrder[position - 1]];
    return detail::InWindow(row) || !(before.container == row.container);
}

}  // namespace form::win32
