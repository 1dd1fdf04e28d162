#pragma once

#include <cstddef>

#include "window/form/FormLayout.h"

// How other programs (and the tests) find the quiz window and its controls:
// the window class's name, each control's id, which is its row in the form
// table past a base, and the id of the announcement. The base keeps ids clear of IDOK and IDCANCEL,
// which the dialog keys send to the window.
namespace form::win32 {

inline constexpr wchar_t kWindowClassName[] = L"VelmoraRevolutionsQuiz";
inline constexpr int kFirstControlId = 100;
// The hidden static that keeps what a screen reader was last told; no row
// of the table has its id.
inline constexpr int kAnnouncementId = kFirstControlId - 1;

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
