#pragma once

#include <string>

#include "PairIndex.h"

namespace quiz {

// What the quiz needs of its window, and nothing more: each operation is one
// property of one control. Texts are UTF-8. A view must not report switching
// a button off as a pick.
class QuizView {
public:
    virtual ~QuizView() = default;

    virtual void SetNameChecked(PairIndex i, bool on) = 0;
    virtual void SetPlaceChecked(PairIndex i, bool on) = 0;
    virtual void SetNameEnabled(PairIndex i, bool on) = 0;
    virtual void SetPlaceEnabled(PairIndex i, bool on) = 0;
    [[nodiscard]] virtual std::string GetFeedback() const = 0;
    virtual void SetFeedback(const std::string& text) = 0;
    // The explanation of pair i; empty when there is none.
    [[nodiscard]] virtual std::string GetExplanation(PairIndex i) const = 0;
    virtual void SetRightCaption(const std::string& text) = 0;
    virtual void SetWrongCaption(const std::string& text) = 0;

protected:
    QuizView() = default;
    QuizView(const QuizView&) = default;
    QuizView& operator=(const QuizView&) = default;
};

}  // namespace quiz
