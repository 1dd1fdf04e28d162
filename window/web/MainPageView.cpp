// The quiz's view of the page: each operation is one property of one element.
#include <string>

#include "FormMarkup.h"
#include "FormUnits.h"
#include "MainPage.h"
#include "PageElements.h"
#include "quiz/QuizTexts.h"
#include "window/FittingFont.h"

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

void MainPage::SetRightCaption(const std::string& text) {
    SetCountCaption(form::kRightCount, text);
}

void MainPage::SetWrongCaption(const std::string& text) {
    SetCountCaption(form::kWrongCount, text);
}

void MainPage::SetCountCaption(form::ControlId id, const std::string& text) {
    const std::string label = form::web::ElementId(id);
    form::web::SetText(label, "textContent", text);
    form::web::SetStyle(label, "fontSize", {});
    RequestFrame();
}

// A caption too wide for its label is drawn at the size that fits.
void MainPage::FitCountCaption(form::ControlId id) const {
    const std::string label = form::web::ElementId(id);
    const double room = form::web::Number(label, "clientWidth");
    const auto widthAt = [&label](int pixels) {
        form::web::SetStyle(label, "fontSize", std::to_string(pixels) + "px");
        return form::web::Number(label, "scrollWidth");
    };
    const int formPixels = form::web::FontPixels(form::kWindowProps);
    const int fitting = form::FittingPixels(formPixels, room, widthAt);
    form::web::SetStyle(label, "fontSize",
                        fitting == formPixels ? std::string() : std::to_string(fitting) + "px");
}

form::OptionState MainPage::Of(form::ControlId option) const {
    const std::string id = form::web::ElementId(option);
    return {form::web::Flag(id, "checked"), !form::web::Flag(id, "disabled")};
}
