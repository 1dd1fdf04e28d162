#pragma once

#include <functional>

// A caption never runs past the edges of its label: one wider than the label,
// such as a count that has grown to several digits, is drawn in a font just
// small enough to fit. Captions that fit keep the form's font.
namespace form {

// How wide, in pixels, a caption is in the form's font at a pixel size.
using CaptionWidth = std::function<double(int pixels)>;

// The largest pixel size, up to `formPixels`, at which the caption fits in
// `room` pixels, and never below 1. It starts from the size scaled by the
// overshoot and steps from there: glyph widths do not shrink exactly in step.
[[nodiscard]] int FittingPixels(int formPixels, double room, const CaptionWidth& widthAt);

}  // namespace form
