#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "RecordingView.h"
#include "quiz/AnswerKey.h"
#include "quiz/QuizState.h"

namespace {

using quiz::kNoPick;
using quiz::kPairCount;
using quiz::PairIndex;
using quiz::QuizState;

const std::string kRight = "Правилно!\r\n";
const std::string kWrong = "Грешен отговор - опитайте отново.\r\n";

// A quiz just loaded, with its view already in the start state.
struct Quiz {
    Quiz() {
        state.ResetQuiz();
        view.calls.clear();
    }
    // What the window does on a click: check the button, then report the pick.
    void ClickName(PairIndex i) {
        view.names.checked.fill(false);
        view.names.checked.at(static_cast<std::size_t>(i)) = true;
        state.PickName(i);
    }
    void ClickPlace(PairIndex i) {
        view.places.checked.fill(false);
        view.places.checked.at(static_cast<std::size_t>(i)) = true;
        state.PickPlace(i);
    }
    RecordingView view;
    QuizState state{view};
};

void ExpectStartState(const Quiz& quiz) {
    EXPECT_EQ(quiz.state.PickedName(), kNoPick);
    EXPECT_EQ(quiz.state.PickedPlace(), kNoPick);
    EXPECT_EQ(quiz.state.RightCount(), 0);
    EXPECT_EQ(quiz.state.WrongCount(), 0);
    for (const auto* group : {&quiz.view.names, &quiz.view.places})
        for (PairIndex i = 0; i < kPairCount; ++i) {
            EXPECT_FALSE(group->checked.at(static_cast<std::size_t>(i))) << i;
            EXPECT_TRUE(group->enabled.at(static_cast<std::size_t>(i))) << i;
        }
    EXPECT_EQ(quiz.view.rightCaption, "Вярно:  0");
    EXPECT_EQ(quiz.view.wrongCaption, "Грешно:  0");
}

TEST(QuizState, ResetWritesEveryButtonInOrderThenBothCaptions) {
    RecordingView view;
    QuizState state(view);
    view.feedback = "assignment";
    state.ResetQuiz();

    std::vector<std::string> expected;
    for (int i = 0; i < kPairCount; ++i) {
        const std::string n = std::to_string(i);
        expected.push_back("SetNameChecked " + n + " off");
        expected.push_back("SetPlaceChecked " + n + " off");
        expected.push_back("SetNameEnabled " + n + " on");
        expected.push_back("SetPlaceEnabled " + n + " on");
    }
    expected.push_back("SetRightCaption Вярно:  0");
    expected.push_back("SetWrongCaption Грешно:  0");
    EXPECT_EQ(view.calls, expected);
    EXPECT_EQ(view.feedback, "assignment") << "a reset leaves the feedback alone";
}

// Every combination of picks, nothing or one of twelve in each group.
TEST(QuizState, CheckJudgesEveryCombinationOfPicks) {
    for (PairIndex name = kNoPick; name < kPairCount; ++name) {
        for (PairIndex place = kNoPick; place < kPairCount; ++place) {
            SCOPED_TRACE("name " + std::to_string(name) + ", place " + std::to_string(place));
            Quiz quiz;
            if (name != kNoPick) quiz.ClickName(name);
            if (place != kNoPick) quiz.ClickPlace(place);
            const auto namesBefore = quiz.view.names;
            const auto placesBefore = quiz.view.places;
            quiz.state.Check();

            const bool right = name == place && name != kNoPick;
            std::vector<std::string> expected;
            if (right) {
                const std::string n = std::to_string(name);
                expected = {"SetFeedback " + kRight,        "GetFeedback",
                            "GetExplanation " + n,          "SetFeedback " + kRight + "\r\n",
                            "SetNameChecked " + n + " off", "SetPlaceChecked " + n + " off",
                            "SetNameEnabled " + n + " off", "SetPlaceEnabled " + n + " off",
                            "SetRightCaption Вярно:  1"};
            } else {
                expected = {"SetFeedback " + kWrong, "SetWrongCaption Грешно:  1"};
                EXPECT_EQ(quiz.view.names.checked, namesBefore.checked);
                EXPECT_EQ(quiz.view.places.checked, placesBefore.checked);
                EXPECT_EQ(quiz.view.names.enabled, namesBefore.enabled);
                EXPECT_EQ(quiz.view.places.enabled, placesBefore.enabled);
            }
            EXPECT_EQ(quiz.view.calls, expected);
            EXPECT_EQ(quiz.state.RightCount(), right ? 1 : 0);
            EXPECT_EQ(quiz.state.WrongCount(), right ? 0 : 1);
            EXPECT_EQ(quiz.state.PickedName(), name) << "a check never changes the picks";
            EXPECT_EQ(quiz.state.PickedPlace(), place);
        }
    }
}

TEST(QuizState, ExplanationGoesBetweenVerdictAndLineBreak) {
    Quiz quiz;
    quiz.view.explanations = {"", "", "", "", "", "", "Грузия, 2003."};
    quiz.ClickName(6);
    quiz.ClickPlace(6);
    quiz.state.Check();
    EXPECT_EQ(quiz.view.feedback, "Правилно!\r\nГрузия, 2003.\r\n");
}

TEST(QuizState, AfterRightAnswerNewNameAloneIsWrong) {
    Quiz quiz;
    quiz.ClickName(0);
    quiz.ClickPlace(0);
    quiz.state.Check();
    quiz.ClickName(1);
    quiz.state.Check();
    EXPECT_EQ(quiz.state.PickedPlace(), 0);
    EXPECT_EQ(quiz.state.RightCount(), 1);
    EXPECT_EQ(quiz.state.WrongCount(), 1);
    EXPECT_EQ(quiz.view.feedback, kWrong);
    EXPECT_TRUE(quiz.view.names.checked[1]) << "a wrong answer leaves the checked name";
}

TEST(QuizState, PicksOutsideThePairsAreIgnored) {
    Quiz quiz;
    quiz.ClickName(5);
    quiz.ClickPlace(5);
    for (PairIndex bad : {PairIndex{-1}, PairIndex{12}, PairIndex{-200}, PairIndex{32000}}) {
        quiz.state.PickName(bad);
        quiz.state.PickPlace(bad);
    }
    EXPECT_EQ(quiz.state.PickedName(), 5);
    EXPECT_EQ(quiz.state.PickedPlace(), 5);
    EXPECT_TRUE(quiz.view.calls.empty()) << "a pick writes nothing to the window";
}

TEST(QuizState, RightCountStopsAtItsLargestValue) {
    Quiz quiz;
    quiz.ClickName(8);
    quiz.ClickPlace(8);
    constexpr int kMax = std::numeric_limits<std::int16_t>::max();
    for (int i = 0; i < kMax; ++i) quiz.state.Check();
    ASSERT_EQ(quiz.state.RightCount(), kMax);
    ASSERT_EQ(quiz.view.rightCaption, "Вярно:  32767");

    quiz.view.calls.clear();
    quiz.view.feedback.clear();
    quiz.view.names.enabled[8] = quiz.view.places.enabled[8] = true;
    quiz.state.Check();
    EXPECT_EQ(quiz.state.RightCount(), kMax);
    EXPECT_EQ(quiz.view.rightCaption, "Вярно:  32767");
    EXPECT_EQ(quiz.view.feedback, "Правилно!\r\n\r\n");
    EXPECT_FALSE(quiz.view.names.enabled[8]);
    EXPECT_FALSE(quiz.view.places.enabled[8]);
    EXPECT_EQ(quiz.view.calls.back(), "SetPlaceEnabled 8 off")
        << "the caption is not rewritten for the answer that did not count";
    EXPECT_EQ(quiz.state.WrongCount(), 0);

    quiz.state.Clear();
    ExpectStartState(quiz);
}

TEST(QuizState, WrongCountGoesPast16Bits) {
    Quiz quiz;
    for (int i = 0; i < 40000; ++i) quiz.state.Check();
    EXPECT_EQ(quiz.state.WrongCount(), 40000);
    EXPECT_EQ(quiz.view.wrongCaption, "Грешно:  40000");
}

TEST(FormatCount, SignOrBlankThenPlainDigits) {
    const struct {
        std::int64_t n;
        const char* text;
    } cases[] = {
        {0, " 0"},
        {1, " 1"},
        {12, " 12"},
        {32767, " 32767"},
        {32768, " 32768"},
        {1234567, " 1234567"},
        {-1, "-1"},
        {-32768, "-32768"},
        {4294967296, " 4294967296"},
        {std::numeric_limits<std::int64_t>::max(), " 9223372036854775807"},
        {std::numeric_limits<std::int64_t>::min(), "-9223372036854775808"},
    };
    for (const auto& c : cases) EXPECT_EQ(QuizState::FormatCount(c.n), c.text) << c.n;
}

TEST(AnswerKey, CountriesTopToBottomCarryTheirPairNumbers) {
    std::vector<int> byRow(kPairCount);
    for (std::size_t i = 0; i < quiz::AnswerKey.size(); ++i)
        byRow.at(static_cast<std::size_t>(quiz::AnswerKey[i].placeRow - 1)) = static_cast<int>(i);
    EXPECT_EQ(byRow, (std::vector<int>{11, 2, 6, 5, 1, 0, 4, 10, 8, 9, 3, 7}));
}

TEST(AnswerKey, CaptionsKeepTheirBlanks) {
    EXPECT_EQ(quiz::AnswerKey[6].name, "на розите ");
    EXPECT_EQ(quiz::AnswerKey[7].place, "Чехословакия  1989");
    EXPECT_EQ(quiz::AnswerKey[8].place, "Русия 1917 ");
    EXPECT_EQ(quiz::AnswerKey[11].place, "Англия 1688 ");
    EXPECT_EQ(quiz::AnswerKey[9].name, "Оранжева");
    EXPECT_EQ(quiz::AnswerKey[9].place, "Украйна 2004");
}

}  // namespace
