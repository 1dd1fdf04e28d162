#pragma once

#include "FormLayout.h"

namespace form {

// What an option button shows now: whether it is checked and whether it can
// be used. The window keeps this itself; the rules only read it.
struct OptionState {
    bool checked = false;
    bool enabled = true;
};

// How an edition lets the rules read its option buttons, each addressed by
// the table's name for it.
class OptionStates {
public:
    virtual ~OptionStates() = default;
    [[nodiscard]] virtual OptionState Of(ControlId option) const = 0;

protected:
    OptionStates() = default;
    OptionStates(const OptionStates&) = default;
    OptionStates& operator=(const OptionStates&) = default;
};

// The buttons as the window is first shown: none checked, all enabled.
class StartOptions final : public OptionStates {
public:
    [[nodiscard]] OptionState Of(ControlId /*option*/) const override { return {}; }
};

}  // namespace form
