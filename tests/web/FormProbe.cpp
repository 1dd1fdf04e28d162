// Prints, as JSON, what the browser test must find on the page: the form
// table (in window pixels) and the caption. The test reads them from here so
// that no text of the table is written twice.
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>

#include "Observation.h"
#include "window/form/FormLayout.h"
#include "window/web/FormUnits.h"

namespace {

using scenario::Json;

std::string Json(const form::Rgb& c) {
    return "[" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) +
           "]";
}

constexpr std::string_view kKinds[] = {"Label",      "Frame",   "OptionButton",
                                       "PushButton", "TextBox", "ListBox"};

std::string Json(const form::Control& c) {
    const form::PixelRect r = form::PixelsInWindow(c);
    return "{\"name\": " + Json(c.id.name) + ", \"index\": " + std::to_string(c.id.index) +
           ", \"container\": " + Json(c.container.name) +
           ", \"containerIndex\": " + std::to_string(c.container.index) +
           ", \"kind\": " + Json(kKinds[static_cast<int>(c.kind)]) + ", \"text\": " + Json(c.text) +
           ", \"rect\": [" + std::to_string(r.x) + ", " + std::to_string(r.y) + ", " +
           std::to_string(r.w) + ", " + std::to_string(r.h) +
           "], \"back\": " + (c.back ? Json(*c.back) : "null") +
           ", \"tabIndex\": " + std::to_string(c.tabIndex) +
           ", \"visible\": " + (c.visible ? "true" : "false") +
           ", \"accessibleName\": " + Json(c.accessibleName) + "}";
}

// The page's element ids of the controls that the test reaches by what they do.
std::string NamedJson() {
    const std::pair<std::string_view, form::ControlId> named[] = {
        {"feedbackBox", form::kFeedbackBox},
        {"rightCount", form::kRightCount},
        {"wrongCount", form::kWrongCount},
        {"checkButton", form::Command1(form::kCheckButton)}};
    std::string out;
    for (const auto& [what, id] : named)
        out += (out.empty() ? "{" : ", ") + Json(what) + ": " + Json(form::web::ElementId(id));
    return out + "}";
}

}  // namespace

int main() {
    const form::Window& w = form::kWindowProps;
    std::string out = "{\"caption\": " + Json(form::WindowCaption()) +
                      ", \"width\": " + std::to_string(form::ToPixels(w.clientWidth)) +
                      ", \"height\": " + std::to_string(form::ToPixels(w.clientHeight)) +
                      ", \"back\": " + Json(w.back) + ", \"font\": " + Json(w.fontFamily) +
                      ", \"named\": " + NamedJson() + ", \"controls\": [";
    for (const form::Control& c : form::kControls)
        out += Json(c) + (&c == &form::kControls.back() ? "" : ", ");
    std::puts((out + "]}").c_str());
}
