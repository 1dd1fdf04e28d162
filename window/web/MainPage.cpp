#include "MainPage.h"

#include <algorithm>
#include <string>

#include "FormMarkup.h"
#include "FormUnits.h"

using emscripten::val;
using form::Kind;

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
    document_["body"]["style"].set("backgroundColor", form::web::CssColor(props.back));
    form_.set("className", std::string("form"));
    form_["style"].set("cssText", FormStyle(props));
    form_.set("innerHTML", form::web::FormMarkup());
    document_["body"].call<void>("appendChild", form_);

    controls_.reserve(form::kControls.size());
    for (const form::Control& row : form::kControls)
        controls_.push_back(document_.call<val>("getElementById", form::web::ElementId(row.id)));
    announcer_ = document_.call<val>("getElementById", std::string(form::web::kAnnouncerId));
    Wire();
    // The load step: the counts read zero before the page is first painted.
    state_.ResetQuiz();
    RequestFrame();
}

// A pick is a button becoming checked, whether by mouse, keyboard, touch or
// an assistive technology: each of these raises a click on the radio. The
// quiz itself only ever switches buttons off, which raises none.
void MainPage::Wire() {
    for (std::size_t n = 0; n < form::kControls.size(); ++n) {
        const form::Control& row = form::kControls[n];
        if (row.kind != Kind::OptionButton && row.kind != Kind::PushButton) continue;
        bindings_[n] = {this, n};
        const std::string selector = "#" + form::web::ElementId(row.id);
        emscripten_set_click_callback(selector.c_str(), &bindings_[n], EM_FALSE, ClickCallback);
    }
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, EM_FALSE, ResizeCallback);
}

EM_BOOL MainPage::ClickCallback(int /*type*/, const EmscriptenMouseEvent* /*event*/,
                                void* binding) {
    const auto& b = *static_cast<const Binding*>(binding);
    b.page->OnClick(b.row);
    return EM_FALSE;  // the click's own effect, checking the radio, must stay
}

EM_BOOL MainPage::ResizeCallback(int /*type*/, const EmscriptenUiEvent* /*event*/, void* page) {
    static_cast<MainPage*>(page)->RequestFrame();
    return EM_FALSE;
}

void MainPage::OnClick(std::size_t row) {
    const form::Control& control = form::kControls[row];
    if (control.kind == Kind::PushButton) {
        if (control.id == form::Command1(form::kCheckButton)) state_.Check();
        if (control.id == form::Command1(form::kClearButton)) state_.Clear();
        return;
    }
    if (!controls_[row]["checked"].as<bool>()) return;
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
    const double available = document_["documentElement"]["clientWidth"].as<double>();
    const double width = form::ToPixels(form::kWindowProps.clientWidth);
    const double scale = std::min(1.0, available / width);
    form_["style"].set("transform",
                       scale < 1.0 ? "scale(" + std::to_string(scale) + ")" : std::string());
}

val MainPage::Control(form::ControlId id) const { return controls_.at(form::RowOf(id)); }
