#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <numeric>

#include "window/FormLayout.h"

// The rows of the form table in the order their controls are made. Windows
// takes the Tab order from that order, and a group of option buttons to be a
// run of consecutive siblings; so this is the table's tab index order, except
// that each frame's option buttons stay together, at the place of the first
// of them.
namespace form::win32 {

namespace detail {

// The tab index at which a control's group stands: its own, or for an option
// button the lowest of its frame's option buttons.
constexpr int GroupTabIndex(const Control& row) {
    if (row.kind != Kind::OptionButton) return row.tabIndex;
    int lowest = row.tabIndex;
    for (const Control& other : kControls)
        if (other.kind == Kind::OptionButton && other.container == row.container)
            lowest = std::min(lowest, other.tabIndex);
    return lowest;
}

constexpr auto MakeCreationOrder() {
    std::array<std::size_t, kControls.size()> order{};
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [](std::size_t a, std::size_t b) {
        const int groupA = GroupTabIndex(kControls[a]);
        const int groupB = GroupTabIndex(kControls[b]);
        return groupA != groupB ? groupA < groupB : kControls[a].tabIndex < kControls[b].tabIndex;
    });
    return order;
}

}  // namespace detail

inline constexpr auto kCreationOrder = detail::MakeCreationOrder();

// Whether a row starts a new group: every control but an option button that
// follows another option button of the same frame.
constexpr bool StartsGroup(std::size_t position) {
    if (position == 0) return true;
    const Control& row = kControls[kCreationOrder[position]];
    const Control& before = kControls[kCreationOrder[position - 1]];
    return row.kind != Kind::OptionButton || before.kind != Kind::OptionButton ||
           before.container != row.container;
}

}  // namespace form::win32
