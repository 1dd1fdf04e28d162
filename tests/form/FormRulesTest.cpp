// The rules every edition shares, against the table itself: where Tab and
// the arrows go, how a caption shrinks to fit, what a press means and what a
// screen reader is told.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "quiz/RecordingView.h"
#include "window/form/ArrowKeys.h"
#include "window/form/FittingFont.h"
#include "window/form/FormQuiz.h"
#include "window/form/TabStops.h"

namespace {

using form::ControlId;
using form::Option1;
using form::Option2;

// Option buttons as a window might show them; all enabled at first.
struct Options final : form::OptionStates {
    std::array<form::OptionState, form::kControls.size()> state{};
    form::OptionState Of(ControlId option) const override { return state.at(form::RowOf(option)); }
    Options& Set(ControlId option, bool checked, bool enabled = true) {
        state.at(form::RowOf(option)) = {checked, enabled};
        return *this;
    }
};

const ControlId kCheck = form::Command1(form::kCheckButton);
const ControlId kClear = form::Command1(form::kClearButton);

TEST(TabStops, AGroupIsEnteredAtItsCheckedElseItsFirstEnabledButton) {
    // Tab indexes: Option1(0) 5, Option1(1) 6, Option1(7) 7; Option2(4) 12,
    // Option2(11) 14.
    const struct {
        Options options;
        ControlId frame, stop;
    } cases[] = {
        {Options{}, form::Frame1(0), Option1(0)},
        {Options{}, form::Frame1(1), Option2(4)},
        {Options{}.Set(Option1(9), true), form::Frame1(0), Option1(9)},
        {Options{}.Set(Option1(0), false, false), form::Frame1(0), Option1(1)},
        {Options{}.Set(Option2(4), false, false).Set(Option2(11), true), form::Frame1(1),
         Option2(11)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(form::TabStopOf(c.frame, c.options), c.stop) << form::NameOf(c.stop);

    Options finished;
    for (int i = 0; i < quiz::kPairCount; ++i) finished.Set(Option1(i), false, false);
    EXPECT_EQ(form::TabStopOf(form::Frame1(0), finished), form::kWindow);
}

TEST(TabStops, TabFollowsTheTabIndexesAndWrapsRound) {
    Options none;
    Options latePlace;  // Option2(1) has tab index 26, after both push buttons
    latePlace.Set(Option2(1), true);
    Options namesDone;
    for (int i = 0; i < quiz::kPairCount; ++i) namesDone.Set(Option1(i), false, false);
    Options allDone = namesDone;  // every pair finished: only the box and the push buttons
    for (int i = 0; i < quiz::kPairCount; ++i) allDone.Set(Option2(i), false, false);
    const struct {
        const Options& options;
        ControlId from;
        bool backwards;
        ControlId to;
        bool wraps;
    } cases[] = {
        {none, form::kWindow, false, form::kFeedbackBox, false},
        {none, form::kFeedbackBox, false, Option1(0), false},  // past the hidden Text1(1)
        {none, Option1(0), false, Option2(4), false},
        {none, Option2(4), false, kCheck, false},  // past the hidden List1
        {none, kClear, false, form::kFeedbackBox, true},
        {none, form::kFeedbackBox, true, kClear, true},
        {none, Option2(9), false, kCheck, false},  // from a button that is not the stop
        {latePlace, kClear, false, Option2(1), false},
        {latePlace, Option2(1), false, form::kFeedbackBox, true},
        {latePlace, Option1(0), false, kCheck, false},
        {namesDone, form::kFeedbackBox, false, Option2(4), false},
        {allDone, form::kFeedbackBox, false, kCheck, false},
        {allDone, kCheck, true, form::kFeedbackBox, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(form::NameOf(c.from) + (c.backwards ? " back" : ""));
        EXPECT_EQ(form::NextTabStop(c.from, c.backwards, c.options), c.to);
        EXPECT_EQ(form::TabWraps(c.from, c.backwards, c.options), c.wraps);
    }
}

TEST(ArrowKeys, MoveDownAndUpTheColumnOverFinishedPairsAndWrapRound) {
    // The countries column, top to bottom: Option2(11) 2 6 5 1 0 4 10 8 9 3 7.
    Options options;
    options.Set(Option2(9), false, false);
    const struct {
        ControlId from;
        form::Arrow arrow;
        ControlId to;
    } cases[] = {
        {Option2(11), form::Arrow::Down, Option2(2)}, {Option2(2), form::Arrow::Up, Option2(11)},
        {Option2(11), form::Arrow::Up, Option2(7)},   {Option2(7), form::Arrow::Down, Option2(11)},
        {Option2(8), form::Arrow::Down, Option2(3)},  {Option2(3), form::Arrow::Up, Option2(8)},
        {Option2(8), form::Arrow::Right, Option2(3)}, {Option2(3), form::Arrow::Left, Option2(8)},
        {Option1(0), form::Arrow::Up, Option1(11)},   {Option1(0), form::Arrow::Down, Option1(1)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(form::ArrowTarget(c.from, c.arrow, options), c.to) << form::NameOf(c.from);

    Options lastOne;
    for (int i = 1; i < quiz::kPairCount; ++i) lastOne.Set(Option1(i), false, false);
    EXPECT_EQ(form::ArrowTarget(Option1(0), form::Arrow::Down, lastOne), Option1(0));
}

TEST(FittingFont, ShrinksOnlyWhatIsTooWideAndAsLittleAsItCan) {
    const auto linear = [](int px) { return 5.0 * px; };
    // Widths that shrink slower than the size, as hinted glyphs do.
    const auto stubborn = [](int px) { return 4.0 * px + 20; };
    // And widths that shrink faster.
    const auto eager = [](int px) { return px * px / 4.0; };
    const struct {
        form::CaptionWidth width;
        double room;
        int pixels;
    } cases[] = {
        {linear, 80, 16},   {linear, 500, 16}, {linear, 79, 15}, {linear, 3, 1},
        {stubborn, 70, 12}, {stubborn, 10, 1}, {eager, 40, 12},
    };
    for (const auto& c : cases)
        EXPECT_EQ(form::FittingPixels(16, c.room, c.width), c.pixels) << c.room;
}

TEST(FormQuiz, APressIsAPickACheckAClearOrNothing) {
    RecordingView view;
    form::FormQuiz quiz(view);
    quiz.Load();
    EXPECT_EQ(quiz.Press(Option1(9)), "");
    EXPECT_EQ(quiz.Press(Option2(9)), "");
    EXPECT_EQ(quiz.Press(form::Command1(2)), "") << "no third push button";
    EXPECT_EQ(quiz.Press(form::kFeedbackBox), "");
    EXPECT_EQ(quiz.Press(form::Option1(12)), "") << "no thirteenth pair";
    EXPECT_EQ(quiz.State().PickedName(), 9);
    EXPECT_EQ(quiz.State().PickedPlace(), 9);
    EXPECT_EQ(view.rightCaption, "Вярно:  0");
}

// One message, the line breaks and runs of blanks of the message box folded,
// then each count caption as it reads, only if the step changed it.
TEST(FormQuiz, TellsTheMessageThenEachCountThatChanged) {
    RecordingView view;
    view.explanations = {"Ливан,\r\n  2005 г."};
    form::FormQuiz quiz(view);
    quiz.Load();
    const struct {
        ControlId press;
        const char* told;
    } steps[] = {
        {kClear, "Направете своя избор!"},
        {kCheck, "Грешен отговор - опитайте отново. Грешно:  1"},
        {kCheck, "Грешен отговор - опитайте отново. Грешно:  2"},
        {Option1(0), ""},
        {Option2(0), ""},
        {kCheck, "Правилно! Ливан, 2005 г. Вярно:  1"},
        {kClear, "Направете своя избор! Вярно:  0 Грешно:  0"},
    };
    for (const auto& step : steps) EXPECT_EQ(quiz.Press(step.press), step.told);
}

}  // namespace
