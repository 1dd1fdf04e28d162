#pragma once

#include <windows.h>

#include <cstddef>

#include "window/form/FormLayout.h"

// Makes and places the window's controls as the form table describes them.
namespace form::win32 {

// Creates the control of the row at `position` in the creation order, hidden
// if the table says so, as a child of `parent`: the window, or the frame the
// table puts it in.
HWND CreateControl(HWND parent, std::size_t position);

// Where a row's control goes in its container's client area, in pixels at
// `dpi`; rounded as its place in the window is, so that a frame's children
// line up with the window's own controls.
RECT ControlRect(const Control& row, int dpi);

}  // namespace form::win32
