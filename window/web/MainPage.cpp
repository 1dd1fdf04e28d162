#include "MainPage.h"

#include <algorithm>
#include <string>

#include "ControlFactory.h"
#include "FormUnits.h"

using emscripten::val;
using form::Kind;

namespace {

constexpr std::size_t RowOf(form::ControlId id) {
    return static_cast<std::size_t>(form::Find(id) - form::kControls.data());
}

}  // namespace

MainPage::MainPage() {
    const form::Window& props = form::kWindowProps;
    document_.set("title", form::WindowCaption());
    document_["body"]["style"].set("backgroundColor", form::web::CssColor(props.back));

    form_ = document_.call<val>("createElement", std::string("div"));
    form_.set("className", std::string("form"));
    val style = form_["style"];
    style.set("width", form::web::Px(props.clientWidth));
    style.set("height", form::web::Px(props.clientHeight));
    style.set("backgroundColor", form::web::CssColor(props.back));
    style.set("fontFamily", form::web::CssFontFamily(props));
    style.set("fontSize", std::to_string(form::web::FontPixels(props)) + "px");

    BuildControls();
    document_["body"].call<void>("appendChild", form_);
    Wire();
    // The load step: the counts read zero before the page is first painted.
    state_.ResetQuiz();
    FitToWidth();
    FocusMessageBox();
}

// Containers come before what they hold, and each group's option buttons
// stand in row order, so the arrow keys move through them top to bottom.
void MainPage::BuildControls() {
    controls_.reserve(form::kControls.size());
    for (const form::Control& row : form::kControls) {
        const form::web::PageControl made = form::web::CreateControl(document_, row);
        const val container = row.container == form::kWindow ? form_ : Control(row.container);
        container.call<void>("appendChild", made.box);
        controls_.push_back(made.control);
        if (row.id == form::Text1(0)) {
            announcer_ = document_.call<val>("createElement", std::string("div"));
            announcer_.set("className", std::string("announcer"));
            announcer_.call<void>("setAttribute", std::string("role"), std::string("status"));
            form_.call<void>("appendChild", announcer_);
        }
    }
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
    static_cast<MainPage*>(page)->FitToWidth();
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

// A narrow screen, such as a phone's, shows the whole form scaled down
// evenly; a wide one shows it at its own size.
void MainPage::FitToWidth() {
    const double available = document_["documentElement"]["clientWidth"].as<double>();
    const double width = form::ToPixels(form::kWindowProps.clientWidth);
    const double scale = std::min(1.0, available / width);
    form_["style"].set("transform",
                       scale < 1.0 ? "scale(" + std::to_string(scale) + ")" : std::string());
}

// The message box has the first tab index, so the focus starts there, with
// the start of the assignment in view.
void MainPage::FocusMessageBox() {
    val box = Control(form::Text1(0));
    box.call<void>("setSelectionRange", 0, 0);
    val options = val::object();
    options.set("preventScroll", true);
    box.call<void>("focus", options);
    box.set("scrollTop", 0);
}

val MainPage::Control(form::ControlId id) const { return controls_.at(RowOf(id)); }
