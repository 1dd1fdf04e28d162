#include "QuizState.h"

#include <limits>

#include "QuizTexts.h"

namespace quiz {

namespace {

std::string Join(std::string_view a, std::string_view b) {
    std::string joined;
    joined.reserve(a.size() + b.size());
    joined.append(a).append(b);
    return joined;
}

}  // namespace

void QuizState::ResetQuiz() {
    pickedName_ = kNoPick;
    pickedPlace_ = kNoPick;
    for (PairIndex i = 0; i < kPairCount; ++i) {
        view_.SetNameChecked(i, false);
        view_.SetPlaceChecked(i, false);
        view_.SetNameEnabled(i, true);
        view_.SetPlaceEnabled(i, true);
    }
    wrongCount_ = 0;
    rightCount_ = 0;
    WriteRightCaption();
    WriteWrongCaption();
}

// A pick outside the twelve pairs cannot come from the window; ignoring it
// keeps the picks within -1..11, which every later view call relies on.
void QuizState::PickName(PairIndex i) {
    if (IsPair(i)) pickedName_ = i;
}

void QuizState::PickPlace(PairIndex i) {
    if (IsPair(i)) pickedPlace_ = i;
}

void QuizState::Check() {
    if (pickedName_ == pickedPlace_ && pickedName_ + pickedPlace_ >= 0)
        CheckRight();
    else
        CheckWrong();
}

void QuizState::CheckRight() {
    view_.SetFeedback(Join(text::RightVerdict, text::LineBreak));
    // Read the verdict back before asking for the explanation: the window sees
    // the two reads, and their order is part of the contract.
    std::string feedback = view_.GetFeedback();
    feedback += view_.GetExplanation(pickedName_);
    feedback += text::LineBreak;
    view_.SetFeedback(feedback);
    view_.SetNameChecked(pickedName_, false);
    view_.SetPlaceChecked(pickedPlace_, false);
    view_.SetNameEnabled(pickedName_, false);
    view_.SetPlaceEnabled(pickedPlace_, false);
    // The count is 16 bits wide; once full it stays at its largest value and
    // its caption keeps showing it, rather than wrapping or failing.
    if (rightCount_ == std::numeric_limits<std::int16_t>::max()) return;
    ++rightCount_;
    WriteRightCaption();
}

void QuizState::CheckWrong() {
    view_.SetFeedback(Join(text::WrongVerdict, text::LineBreak));
    ++wrongCount_;
    WriteWrongCaption();
}

void QuizState::Clear() {
    ResetQuiz();
    view_.SetFeedback(std::string(text::Prompt));
}

std::string QuizState::FormatCount(std::int64_t n) {
    const std::string digits = std::to_string(n);
    return n < 0 ? digits : Join(" ", digits);
}

void QuizState::WriteRightCaption() {
    view_.SetRightCaption(Join(text::RightPrefix, FormatCount(rightCount_)));
}

void QuizState::WriteWrongCaption() {
    view_.SetWrongCaption(Join(text::WrongPrefix, FormatCount(wrongCount_)));
}

}  // namespace quiz
