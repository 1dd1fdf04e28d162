#pragma once

#include <cstddef>

#include "window/FormLayout.h"

// How other programs (and the tests) find the quiz window and its controls:
// the window class's name, and each control's id, which is its row in the
// form table past a base. The base keeps ids clear of IDOK and IDCANCEL,
// which the dialog keys send to the window.
namespace form::win32 {

inline constexpr wchar_t kWindowClassName[] = L"VelmoraRevolutionsQuiz";
inline constexpr int kFirstControlId = 100;

constexpr int ControlIdOf(std::size_t row) { return kFirstControlId + static_cast<int>(row); }

// A name the table lacks gives an id that is none of ours.
constexpr int ControlIdOf(ControlId id) { return ControlIdOf(RowOf(id)); }

// The table row of a control id; kControls.size() when it is none of ours.
constexpr std::size_t RowOfControlId(int controlId) {
    const int row = controlId - kFirstControlId;
    return row < 0 || row >= static_cast<int>(kControls.size()) ? kControls.size()
                                                                : static_cast<std::size_t>(row);
}

}  // namespace form::win32
