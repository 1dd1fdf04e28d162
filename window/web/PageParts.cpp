// Prints one part of the page, which the build writes into it, so that the
// page is whole before any script runs:
//   title  the window caption: it names the quiz also to a learning platform
//          that reads the file
//   back   the window's colour, for the page around the form
//   touch  the media condition of the layout for fingers
//   form   the form's markup, showing what the quiz's load step leaves
#include <cstdio>
#include <string>
#include <string_view>

#include "FormMarkup.h"
#include "FormUnits.h"
#include "quiz/QuizView.h"
#include "window/form/FormLayout.h"
#include "window/form/FormQuiz.h"

namespace {

// Keeps what the load step writes. The markup gives every option button the
// start state that the shared rules assume (none checked, all enabled); a
// load step that left another fails the build.
class LoadStep final : public quiz::QuizView {
public:
    form::web::LoadedTexts texts;
    bool optionsAsAtStart = true;

    void SetNameChecked(quiz::PairIndex /*i*/, bool on) override { optionsAsAtStart &= !on; }
    void SetPlaceChecked(quiz::PairIndex /*i*/, bool on) override { optionsAsAtStart &= !on; }
    void SetNameEnabled(quiz::PairIndex /*i*/, bool on) override { optionsAsAtStart &= on; }
    void SetPlaceEnabled(quiz::PairIndex /*i*/, bool on) override { optionsAsAtStart &= on; }
    std::string GetFeedback() const override {
        const auto written = texts.find(Id(form::kFeedbackBox));
        return written == texts.end() ? std::string(form::At(form::kFeedbackBox).text)
                                      : written->second;
    }
    void SetFeedback(const std::string& text) override { texts[Id(form::kFeedbackBox)] = text; }
    // The explanation list of the table has no items.
    std::string GetExplanation(quiz::PairIndex /*i*/) const override { return {}; }
    void SetRightCaption(const std::string& text) override { texts[Id(form::kRightCount)] = text; }
    void SetWrongCaption(const std::string& text) override { texts[Id(form::kWrongCount)] = text; }

private:
    static std::string Id(form::ControlId id) { return form::web::ElementId(id); }
};

// Each part ends its last line: the output reaches node at each line's end.
int Print(const std::string& text) { return std::puts(text.c_str()) < 0 ? 1 : 0; }

}  // namespace

int main(int argc, char** argv) {
    const std::string_view part = argc == 2 ? argv[1] : "";
    if (part == "title") return Print(form::WindowCaption());
    if (part == "back") return Print(form::web::CssColor(form::kWindowProps.back));
    if (part == "touch") return Print(form::web::TouchMedia());
    if (part == "form") {
        LoadStep page;
        form::FormQuiz quiz(page);
        quiz.Load();
        if (!page.optionsAsAtStart) {
            std::fputs("the load step leaves option buttons checked or disabled\n", stderr);
            return 1;
        }
        return Print(form::web::FormMarkup(page.texts));
    }
    std::fputs("usage: page_parts title|back|touch|form\n", stderr);
    return 2;
}
