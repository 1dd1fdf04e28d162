// The quiz's view of the page: each operation is one property of one element.
// And what the shared rules read of the option buttons, and which of them Tab
// enters each group at.
#include <string>

#include "FormMarkup.h"
#include "FormUnits.h"
#include "MainPage.h"
#include "PageElements.h"
#include "quiz/QuizTexts.h"
#include "window/form/TabStops.h"

namespace {

// A text box keeps its line breaks as LF; the quiz's texts use CR LF.
std::string Replace(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

}  // namespace

void MainPage::SetChecked(form::ControlId id, bool on) {
    form::web::SetFlag(form::web::ElementId(id), "checked", on);
}

void MainPage::SetEnabled(form::ControlId id, bool on) {
    form::web::SetFlag(form::web::ElementId(id), "disabled", !on);
}

void MainPage::SetNameChecked(quiz::PairIndex i, bool on) { SetChecked(form::Option1(i), on); }
void MainPage::SetPlaceChecked(quiz::PairIndex i, bool on) { SetChecked(form::Option2(i), on); }
void MainPage::SetNameEnabled(quiz::PairIndex i, bool on) { SetEnabled(form::Option1(i), on); }
void MainPage::SetPlaceEnabled(quiz::PairIndex i, bool on) { SetEnabled(form::Option2(i), on); }

std::string MainPage::GetFeedback() const {
    return Replace(form::web::Text(form::web::ElementId(form::kFeedbackBox), "value"), "\n",
                   quiz::text::LineBreak);
}

void MainPage::SetFeedback(const std::string& text) {
    const std::string shown = Replace(text, quiz::text::LineBreak, "\n");
    form::web::SetText(form::web::ElementId(form::kFeedbackBox), "value", shown);
}

std::string MainPage::GetExplanation(quiz::PairIndex i) const {
    return form::web::ItemText(form::web::ElementId(form::kExplanationList), static_cast<int>(i));
}

void MainPage::SetRightCaption(const std::string& text) { SetCaption(form::kRightCount, text); }

void MainPage::SetWrongCaption(const std::string& text) { SetCaption(form::kWrongCount, text); }

// A caption that may outgrow its label shows at the form's size at once and
// fits at the next frame.
void MainPage::SetCaption(form::ControlId id, const std::string& text) {
    const std::string label = form::web::ElementId(id);
    form::web::SetText(label, "textContent", text);
    const std::size_t row = form::RowOf(id);
    if (!form::kControls[row].fitsCaption) return;
    form::web::SetStyle(label, "fontSize", {});
    fitting_[row].FitLater(id);
}

// Each group is one Tab stop: every other button of it is out of the Tab
// order, so that every browser enters the group at the same button. A pick
// changes its own group only; Check and Clear may change both.
void MainPage::ApplyTabStops(const form::Control& pressed) {
    for (std::size_t frame = 0; frame < tabStops_.size(); ++frame) {
        const form::ControlId group = form::Frame1(static_cast<int>(frame));
        if (pressed.kind == form::Kind::OptionButton && !(pressed.container == group)) continue;
        form::ControlId& stop = tabStops_[frame];
        const form::ControlId now = form::TabStopOf(group, *this);
        if (now == stop) continue;
        if (!(stop == form::kWindow))
            form::web::SetText(form::web::ElementId(stop), "tabIndex", "-1");
        if (!(now == form::kWindow))
            form::web::SetText(form::web::ElementId(now), "tabIndex",
                               std::to_string(form::web::TabIndex(form::At(now))));
        stop = now;
    }
}

form::OptionState MainPage::Of(form::ControlId option) const {
    const std::string id = form::web::ElementId(option);
    return {form::web::Flag(id, "checked"), !form::web::Flag(id, "disabled")};
}
