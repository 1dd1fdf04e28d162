#include "TabOrder.h"

#include "ControlNames.h"

form::ControlId FirstOption(form::ControlId frame, const FinishedPairs& finished) {
    const form::Control* first = nullptr;
    for (const form::Control& row : form::kControls)
        if (row.container == frame && !finished[static_cast<std::size_t>(row.id.index)] &&
            (!first || row.tabIndex < first->tabIndex))
            first = &row;
    return first ? first->id : form::kWindow;
}

std::string TabSequence(const Probe& probe) {
    const HWND start = probe.Control(form::kFeedbackBox);
    std::string sequence;
    HWND at = start;
    for (std::size_t step = 0; step < form::kControls.size(); ++step) {
        at = GetNextDlgTabItem(probe.Handle(), at, FALSE);
        if (!at || at == start) break;
        sequence += NameOf(at) + " ";
    }
    return sequence;
}

std::string ExpectedTabSequence(const std::vector<form::ControlId>& stops) {
    std::string sequence;
    for (const form::ControlId& id : stops) sequence += Name(id) + " ";
    return sequence;
}
