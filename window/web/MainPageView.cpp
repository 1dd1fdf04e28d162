// The quiz's view of the page: each operation is one property of one element.
#include <algorithm>
#include <cmath>
#include <string>

#include "FormUnits.h"
#include "MainPage.h"
#include "quiz/QuizTexts.h"

using emscripten::val;

namespace {

// A text box keeps its line breaks as LF; the quiz's texts use CR LF.
std::string Replace(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

}  // namespace

// The browser keeps each group one Tab stop: its checked button, else its
// first enabled one in tab order.
void MainPage::SetChecked(form::ControlId id, bool on) { Control(id).set("checked", on); }
void MainPage::SetEnabled(form::ControlId id, bool on) { Control(id).set("disabled", !on); }

void MainPage::SetNameChecked(quiz::PairIndex i, bool on) { SetChecked(form::Option1(i), on); }
void MainPage::SetPlaceChecked(quiz::PairIndex i, bool on) { SetChecked(form::Option2(i), on); }
void MainPage::SetNameEnabled(quiz::PairIndex i, bool on) { SetEnabled(form::Option1(i), on); }
void MainPage::SetPlaceEnabled(quiz::PairIndex i, bool on) { SetEnabled(form::Option2(i), on); }

std::string MainPage::GetFeedback() const {
    return Replace(Control(form::kFeedbackBox)["value"].as<std::string>(), "\n",
                   quiz::text::LineBreak);
}

void MainPage::SetFeedback(const std::string& text) {
    const std::string shown = Replace(text, quiz::text::LineBreak, "\n");
    Control(form::kFeedbackBox).set("value", shown);
    announcer_.set("textContent", shown);
}

std::string MainPage::GetExplanation(quiz::PairIndex i) const {
    const val item =
        Control(form::kExplanationList)["options"].call<val>("item", static_cast<int>(i));
    return item.isNull() ? std::string() : item["text"].as<std::string>();
}

void MainPage::SetRightCaption(const std::string& text) {
    SetCountCaption(form::kRightCount, text);
}

void MainPage::SetWrongCaption(const std::string& text) {
    SetCountCaption(form::kWrongCount, text);
}

void MainPage::SetCountCaption(form::ControlId id, const std::string& text) {
    val label = Control(id);
    label.set("textContent", text);
    label["style"].set("fontSize", std::string());
    RequestFrame();
}

// A caption wider than its label, such as a count that has grown to several
// digits, is drawn in a font just small enough to fit.
void MainPage::FitCountCaption(form::ControlId id) const {
    val label = Control(id);
    const double needed = label["scrollWidth"].as<double>();
    const double room = label["clientWidth"].as<double>();
    if (needed <= room) return;
    const double fitting = std::floor(form::web::FontPixels(form::kWindowProps) * room / needed);
    label["style"].set("fontSize", std::to_string(std::max(1, static_cast<int>(fitting))) + "px");
}
