#pragma once

#include <emscripten/html5.h>

#include <array>
#include <cstddef>
#include <string>

#include "quiz/QuizView.h"
#include "window/ArrowKeys.h"
#include "window/FormLayout.h"
#include "window/FormQuiz.h"
#include "window/OptionStates.h"

// The quiz's one page: attached to the controls that the document holds from
// the start, made from the form table at build time, it owns the quiz and is
// its view. Each event of a control is one press of the
// quiz; where Tab and the arrow keys go, the editions' shared rules say. It
// lives as long as the document.
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
    void ApplyTabStops(const form::Control& pressed);
    void RequestFrame();
    static EM_BOOL FrameCallback(double time, void* page);

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
    void SetCountCaption(form::ControlId id, const std::string& text);
    void FitCountCaption(form::ControlId id) const;

    // What the rules read of the option buttons.
    [[nodiscard]] form::OptionState Of(form::ControlId option) const override;

    // Each frame's Tab stop as the page has it now.
    std::array<form::ControlId, 2> tabStops_;
    // Whatever needs the page's layout waits for the next frame, so that the
    // start forces none. A resize may switch the layout: the counts fit anew.
    bool framePending_ = false;
    form::FormQuiz quiz_{*this};
};
