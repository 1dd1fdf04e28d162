#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "window/FormLayout.h"

// Controls named as the form table names them, e.g. "Option1(3)".
std::string Name(form::ControlId id);

// The table's name of a control of the quiz window, found by its id.
std::string NameOf(HWND control);

// A count caption as the quiz writes it: the prefix, a blank, then a blank
// or the sign, then the digits.
std::string Count(std::string_view prefix, int n);
