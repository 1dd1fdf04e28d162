#pragma once

#include <windows.h>

#include "window/form/FormLayout.h"

// Turns the table's units into device pixels at a given dots-per-inch.
namespace form::win32 {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kPointsPerInch = 72;

inline int ToPixels(int twips, int dpi) { return MulDiv(twips, dpi, kTwipsPerInch); }

// Negative: the height of the characters, not of the cell, as points are.
inline int FontHeight(int points, int dpi) { return -MulDiv(points, dpi, kPointsPerInch); }

inline COLORREF ToColorRef(const Rgb& c) { return RGB(c.r, c.g, c.b); }

}  // namespace form::win32
