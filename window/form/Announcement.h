#pragma once

#include <string>

#include "quiz/QuizView.h"

namespace form {

// A view that passes every write of the quiz on to the window's own view and
// keeps what a screen reader is to be told of it once a step is done: the
// message written last, which is new at every Check and Clear even when its
// text is not, then each count caption that changed. The window speaks it
// wherever the focus is, so a pupil who stays on Check hears the verdict.
class AnnouncingView final : public quiz::QuizView {
public:
    explicit AnnouncingView(quiz::QuizView& window) : window_(window) {}

    // The message with its line breaks and runs of blanks as one blank, then
    // the right count's caption and the wrong count's, each if it changed
    // since the last call.
    [[nodiscard]] std::string TakeAnnouncement();

    void SetNameChecked(quiz::PairIndex i, bool on) override;
    void SetPlaceChecked(quiz::PairIndex i, bool on) override;
    void SetNameEnabled(quiz::PairIndex i, bool on) override;
    void SetPlaceEnabled(quiz::PairIndex i, bool on) override;
    [[nodiscard]] std::string GetFeedback() const override;
    void SetFeedback(const std::string& text) override;
    [[nodiscard]] std::string GetExplanation(quiz::PairIndex i) const override;
    void SetRightCaption(const std::string& text) override;
    void SetWrongCaption(const std::string& text) override;

private:
    struct Caption {
        std::string now;
        std::string told;
    };

    quiz::QuizView& window_;
    std::string message_;
    Caption right_;
    Caption wrong_;
};

}  // namespace form
