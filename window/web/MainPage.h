#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "FittingLabel.h"
#include "quiz/QuizView.h"
#include "window/form/ArrowKeys.h"
#include "window/form/FormLayout.h"
#include "window/form/FormQuiz.h"
#include "window/form/OptionStates.h"

// The quiz's one page: attached to the controls that the document holds from
// the start, made from the form table at build time, it owns the quiz and is
// its view. Each event of a control is one press of the quiz; where Tab and
// the arrow keys go, the editions' shared rules say. It lives as long as the
// document.
//   FormMarkup.cpp      the builder, run at build time: the controls' markup from the table
//   MainPageEvents.cpp  the event wiring: the listeners and what they mean to the quiz
//   MainPageView.cpp    the quiz's view of the elements and what the rules read
class MainPage final : private quiz::QuizView, private form::OptionStates {
public:
    MainPage();
    MainPage(const MainPage&) = delete;
    MainPage& operator=(const MainPage&) = delete;

    // The event of the control at `row` of the table: a push button pressed,
    // or an option button become checked.
    void OnControl(std::size_t row);
    // An arrow key on the option button at `row`: the button it leads to is
    // focused and checked.
    void OnArrow(std::size_t row, form::Arrow arrow);
    // Tab or Shift+Tab on the control at `row`: the row of the control it
    // goes to, or -1 where the page leaves it to the browser.
    [[nodiscard]] int OnTab(std::size_t row, bool backwards) const;
    // The window resized: the layout may have changed.
    void OnResize();

private:
    void FitCaptionsLater();

    // The quiz's view of the page.
    void SetNameChecked(quiz::PairIndex i, bool on) override;
    void SetPlaceChecked(quiz::PairIndex i, bool on) override;
    void SetNameEnabled(quiz::PairIndex i, bool on) override;
    void SetPlaceEnabled(quiz::PairIndex i, bool on) override;
    std::string GetFeedback() const override;
    void SetFeedback(const std::string& text) override;
    std::string GetExplanation(quiz::PairIndex i) const override;
    void SetRightCaption(const std::string& text) override;
    void SetWrongCaption(const std::string& text) override;

    void SetChecked(form::ControlId id, bool on);
    void SetEnabled(form::ControlId id, bool on);
    void SetCaption(form::ControlId id, const std::string& text);
    void ApplyTabStops(const form::Control& pressed);

    // What the rules read of the option buttons.
    [[nodiscard]] form::OptionState Of(form::ControlId option) const override;

    // Each frame's Tab stop as the page has it now.
    std::array<form::ControlId, 2> tabStops_;
    // By table row: the labels that fit their captions use theirs.
    std::array<form::web::FittingLabel, form::kControls.size()> fitting_{};
    form::FormQuiz quiz_{*this};
};
