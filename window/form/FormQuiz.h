#pragma once

#include <string>

#include "Announcement.h"
#include "FormLayout.h"
#include "quiz/QuizState.h"

namespace form {

// The quiz behind the window's controls: what a press on each control of the
// table means, and what a screen reader is told after it. Each edition owns
// one, hands it every press, and speaks what it returns.
class FormQuiz final {
public:
    // `window` is the edition's view of its controls.
    explicit FormQuiz(quiz::QuizView& window) : announcing_(window) {}

    // The load step: the start state, before the window is first shown. It
    // tells nothing.
    void Load();

    // A press of `control`: an option button become checked picks its pair,
    // Check and Clear do their step, anything else does nothing. Returns what
    // to tell a screen reader: empty but after Check and Clear.
    std::string Press(ControlId control);

    [[nodiscard]] const quiz::QuizState& State() const { return state_; }

private:
    AnnouncingView announcing_;
    quiz::QuizState state_{announcing_};
};

}  // namespace form
