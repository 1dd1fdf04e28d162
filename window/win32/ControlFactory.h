#pragma once

#include <windows.h>

#include <cstddef>

#include "window/FormLayout.h"

// Makes and places the window's controls as the form table describes them.
namespace form::win32 {

// Creates the control of the row at `position` in the creation order, hidden
// if the table says so. It is a direct child of `parent`, also when the table
// puts it in a frame, so that its notifications reach the window.
HWND CreateControl(HWND parent, std::size_t position);

// Where a row's control goes in its parent's client area, in pixels at `dpi`.
RECT ControlRect(const Control& row, int dpi);

}  // namespace form::win32
