#pragma once

#include <cstdint>
#include <string>

#include "PairIndex.h"
#include "QuizView.h"

namespace quiz {

// The whole behaviour of the quiz: the two picks, the two counts, the verdict
// of a check and starting over. It writes to the window only through its
// QuizView and never creates, shows or lays out controls. Which pairs are
// finished is not kept here: the window holds it as disabled buttons.
class QuizState final {
public:
    explicit QuizState(QuizView& view) : view_(view) {}

    void ResetQuiz();
    void PickName(PairIndex i);
    void PickPlace(PairIndex i);
    void Check();
    void Clear();

    // " 12" for 12, "-3" for -3: the number as the count captions show it.
    [[nodiscard]] static std::string FormatCount(std::int64_t n);

    [[nodiscard]] PairIndex PickedName() const { return pickedName_; }
    [[nodiscard]] PairIndex PickedPlace() const { return pickedPlace_; }
    [[nodiscard]] std::int64_t WrongCount() const { return wrongCount_; }
    [[nodiscard]] std::int16_t RightCount() const { return rightCount_; }

private:
    void CheckRight();
    void CheckWrong();
    void WriteRightCaption();
    void WriteWrongCaption();

    QuizView& view_;
    PairIndex pickedName_ = kNoPick;
    PairIndex pickedPlace_ = kNoPick;
    std::int64_t wrongCount_ = 0;
    std::int16_t rightCount_ = 0;
};

}  // namespace quiz
