#include "MainPage.h"

#include <emscripten/em_js.h>

#include <string>

#include "FormMarkup.h"
#include "FormUnits.h"
#include "PageElements.h"

using form::Kind;

// The page's one listener for the quiz's controls. A pick is an option button
// becoming checked, by mouse, keyboard, touch or assistive technology: each
// raises "change", which switching a button off from code never does. A push
// button raises "click" for the mouse, Space and Enter alike.
// clang-format off
EM_JS(void, ListenToControls, (MainPage* page), {
    function forward(event) { _QuizPageControl(page, Number(event.target.dataset.row)); }
    var form = document.querySelector(".form");
    form.addEventListener("change", function(event) {
        if (event.target.type == "radio") forward(event);
    });
    form.addEventListener("click", function(event) {
        if (event.target.type == "button") forward(event);
    });
});
// clang-format on

extern "C" EMSCRIPTEN_KEEPALIVE void QuizPageControl(MainPage* page, int row) {
    page->OnControl(static_cast<std::size_t>(row));
}

namespace {

// The window's size, colour and font.
std::string FormStyle(const form::Window& w) {
    return "width: " + form::web::Px(w.clientWidth) + "; height: " + form::web::Px(w.clientHeight) +
           "; background-color: " + form::web::CssColor(w.back) +
           "; font-family: " + form::web::CssFontFamily(w) +
           "; font-size: " + std::to_string(form::web::FontPixels(w)) + "px";
}

}  // namespace

MainPage::MainPage() {
    const form::Window& props = form::kWindowProps;
    form::web::BuildForm(form::web::CssColor(props.back), FormStyle(props),
                         form::web::FormMarkup());
    ListenToControls(this);
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, EM_FALSE, ResizeCallback);
    // The load step: the counts read zero before the page is first painted.
    state_.ResetQuiz();
    RequestFrame();
}

EM_BOOL MainPage::ResizeCallback(int /*type*/, const EmscriptenUiEvent* /*event*/, void* page) {
    static_cast<MainPage*>(page)->RequestFrame();
    return EM_FALSE;
}

void MainPage::OnControl(std::size_t row) {
    const form::Control& control = form::kControls.at(row);
    if (control.kind == Kind::PushButton) {
        if (control.id == form::Command1(form::kCheckButton)) state_.Check();
        if (control.id == form::Command1(form::kClearButton)) state_.Clear();
        return;
    }
    if (control.kind != Kind::OptionButton) return;
    const auto pair = static_cast<quiz::PairIndex>(control.id.index);
    if (control.id == form::Option1(control.id.index))
        state_.PickName(pair);
    else
        state_.PickPlace(pair);
}

void MainPage::RequestFrame() {
    if (framePending_) return;
    framePending_ = true;
    emscripten_request_animation_frame(FrameCallback, this);
}

EM_BOOL MainPage::FrameCallback(double /*time*/, void* page) {
    auto& self = *static_cast<MainPage*>(page);
    self.framePending_ = false;
    self.FitCountCaption(form::kRightCount);
    self.FitCountCaption(form::kWrongCount);
    self.FitToWidth();
    return EM_FALSE;  // once
}

// A narrow screen, such as a phone's, shows the whole form scaled down
// evenly; a wide one shows it at its own size.
void MainPage::FitToWidth() {
    const int available = form::web::PageWidth();
    const int width = form::ToPixels(form::kWindowProps.clientWidth);
    form::web::SetFormTransform(available < width ? "scale(calc(" + std::to_string(available) +
                                                        " / " + std::to_string(width) + "))"
                                                  : std::string());
}
