#pragma once

#include <string>

#include "window/form/FormLayout.h"

// Turns the table's units into the page's: CSS pixels (96 to the inch, so
// the table's pixels at 96 dpi), CSS colours and element ids.
namespace form::web {

inline std::string Px(int twips) { return std::to_string(ToPixels(twips)) + "px"; }

inline std::string CssColor(const Rgb& c) {
    return "rgb(" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) +
           ")";
}

// The form's font first, then fonts with the same metrics, so captions keep
// their widths where the form's font is not installed.
inline std::string CssFontFamily(const Window& w) {
    return "\"" + std::string(w.fontFamily) + "\", \"Liberation Serif\", Tinos, serif";
}

inline constexpr int FontPixels(const Window& w) { return ToPixels(w.fontPoints * kTwipsPerPoint); }

// Positive tab indexes all come before 0, so the table's 0 becomes 1.
inline constexpr int TabIndex(const Control& row) { return row.tabIndex + 1; }

// The element id of a control: its name as the form gives it.
inline std::string ElementId(ControlId id) { return NameOf(id); }

}  // namespace form::web
