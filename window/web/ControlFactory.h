#pragma once

#include <emscripten/val.h>

#include "window/FormLayout.h"

// Makes and places the page's elements as the form table describes them.
namespace form::web {

// A row's elements: `box` is placed in its container, `control` is what the
// quiz reads and writes. They differ only for an option button, whose whole
// rectangle is a label around the radio input, so a tap anywhere on it picks.
struct PageControl {
    emscripten::val box;
    emscripten::val control;
};

PageControl CreateControl(const emscripten::val& document, const Control& row);

// The id of the element that carries a frame's caption, which names its group.
std::string CaptionId(ControlId frame);

}  // namespace form::web
