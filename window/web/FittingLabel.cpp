#include "FittingLabel.h"

#include "FormUnits.h"
#include "PageElements.h"
#include "window/form/FittingFont.h"

namespace form::web {

void FittingLabel::FitLater(ControlId label) {
    id_ = ElementId(label);
    if (pending_) return;
    pending_ = true;
    emscripten_request_animation_frame(OnFrame, this);
}

EM_BOOL FittingLabel::OnFrame(double /*time*/, void* fitting) {
    auto& self = *static_cast<FittingLabel*>(fitting);
    self.pending_ = false;
    self.Fit();
    return EM_FALSE;  // once
}

void FittingLabel::Fit() const {
    const double room = Number(id_, "clientWidth");
    const auto widthAt = [this](int pixels) {
        SetStyle(id_, "fontSize", std::to_string(pixels) + "px");
        return Number(id_, "scrollWidth");
    };
    const int formPixels = FontPixels(kWindowProps);
    const int fitting = FittingPixels(formPixels, room, widthAt);
    SetStyle(id_, "fontSize",
             fitting == formPixels ? std::string() : std::to_string(fitting) + "px");
}

}  // namespace form::web
