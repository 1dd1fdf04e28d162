#pragma once

#include <emscripten/html5.h>

#include <string>

#include "window/form/FormLayout.h"

namespace form::web {

// Keeps a label's caption from running past its edges: a caption wider than
// the label, such as a count that has grown to several digits, is drawn at
// the size that fits. Measuring needs the page's layout, so the fit waits for
// the next frame, and the start forces no layout.
class FittingLabel final {
public:
    // Fits `label`'s caption at the next frame; asked again before then, it
    // still fits once.
    void FitLater(ControlId label);

private:
    static EM_BOOL OnFrame(double time, void* fitting);
    void Fit() const;

    std::string id_;
    bool pending_ = false;
};

}  // namespace form::web
