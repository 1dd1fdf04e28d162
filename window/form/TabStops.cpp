#include "TabStops.h"

namespace form {

namespace {

bool TakesFocus(Kind kind) {
    return kind == Kind::TextBox || kind == Kind::PushButton || kind == Kind::ListBox;
}

bool IsStop(const Control& row, const OptionStates& options) {
    if (!row.visible) return false;
    if (row.kind == Kind::OptionButton) return TabStopOf(row.container, options) == row.id;
    return TakesFocus(row.kind);
}

}  // namespace

ControlId TabStopOf(ControlId frame, const OptionStates& options) {
    ControlId first = kWindow;
    for (const Control* row : kTabOrder) {
        if (!(row->container == frame) || row->kind != Kind::OptionButton) continue;
        const OptionState state = options.Of(row->id);
        if (!state.enabled) continue;
        if (state.checked) return row->id;
        if (first == kWindow) first = row->id;
    }
    return first;
}

ControlId NextTabStop(ControlId from, bool backwards, const OptionStates& options) {
    // The stops in tab order, walked from the one after `from` round to it.
    const int start = from == kWindow ? (backwards ? 0 : -1) : At(from).tabIndex;
    const int count = static_cast<int>(kTabOrder.size());
    const int step = backwards ? count - 1 : 1;
    for (int n = 1; n <= count; ++n) {
        const int at = ((start + n * step) % count + count) % count;
        const Control& row = *kTabOrder[static_cast<std::size_t>(at)];
        if (IsStop(row, options)) return row.id;
    }
    return from;
}

bool TabWraps(ControlId from, bool backwards, const OptionStates& options) {
    if (from == kWindow) return false;
    const int at = At(from).tabIndex;
    const int to = At(NextTabStop(from, backwards, options)).tabIndex;
    return backwards ? to >= at : to <= at;
}

}  // namespace form
