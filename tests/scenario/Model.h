#pragma once

#include <array>

#include "Observation.h"
#include "Scenario.h"
#include "quiz/QuizView.h"
#include "window/form/FormLayout.h"
#include "window/form/FormQuiz.h"
#include "window/form/OptionStates.h"

namespace scenario {

// What every edition must show after each action: the real quiz and the
// editions' shared rules, over the least a window does by itself. A click
// on an enabled option button focuses it and checks it alone in its frame;
// a click on a disabled one does nothing; a push button takes the focus.
class Model final : private quiz::QuizView, private form::OptionStates {
public:
    Model();
    Model(const Model&) = delete;
    Model& operator=(const Model&) = delete;

    void Play(const Action& action);
    [[nodiscard]] Observation Observe() const;
    [[nodiscard]] form::ControlId Focus() const { return focus_; }
    // Whether Tab (or Shift+Tab) from the focus would wrap round.
    [[nodiscard]] bool TabWraps(bool backwards) const;

private:
    void Click(form::ControlId control);
    void Key(Verb verb);
    void Press(form::ControlId control);
    void Check(form::ControlId option);
    [[nodiscard]] form::OptionState& Option(form::ControlId option);

    void SetNameChecked(quiz::PairIndex i, bool on) override;
    void SetPlaceChecked(quiz::PairIndex i, bool on) override;
    void SetNameEnabled(quiz::PairIndex i, bool on) override;
    void SetPlaceEnabled(quiz::PairIndex i, bool on) override;
    [[nodiscard]] std::string GetFeedback() const override { return feedback_; }
    void SetFeedback(const std::string& text) override { feedback_ = text; }
    [[nodiscard]] std::string GetExplanation(quiz::PairIndex) const override { return {}; }
    void SetRightCaption(const std::string& text) override { right_ = text; }
    void SetWrongCaption(const std::string& text) override { wrong_ = text; }

    [[nodiscard]] form::OptionState Of(form::ControlId option) const override;

    std::array<form::OptionState, form::kControls.size()> options_{};  // by table row
    std::string feedback_{form::kAssignmentText};
    std::string right_;
    std::string wrong_;
    form::ControlId focus_ = form::kFeedbackBox;
    std::string told_;
    form::FormQuiz quiz_{*this};
};

// The control an action clicks; kWindow for a key.
[[nodiscard]] form::ControlId ClickTarget(const Action& action);

}  // namespace scenario
