#include "FormQuiz.h"

namespace form {

void FormQuiz::Load() {
    state_.ResetQuiz();
    (void)announcing_.TakeAnnouncement();
}

std::string FormQuiz::Press(ControlId control) {
    const bool pair = quiz::IsPair(control.index);
    const auto i = static_cast<quiz::PairIndex>(control.index);
    if (pair && control == Option1(i)) {
        state_.PickName(i);
    } else if (pair && control == Option2(i)) {
        state_.PickPlace(i);
    } else if (control == Command1(kCheckButton)) {
        state_.Check();
        return announcing_.TakeAnnouncement();
    } else if (control == Command1(kClearButton)) {
        state_.Clear();
        return announcing_.TakeAnnouncement();
    }
    return {};
}

}  // namespace form
