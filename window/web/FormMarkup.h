#pragma once

#include <string>
#include <string_view>

// The page's controls as HTML, made from the form table: one string that the
// page takes in one go, where building each element by a call out of
// WebAssembly would cost most of the page's start-up.
namespace form::web {

// The id of the polite live region that repeats each verdict of the message
// box: a screen reader does not reliably announce a text box's new value.
inline constexpr std::string_view kAnnouncerId = "verdict";

// Every control, containers around what they contain, in the table's order:
// each group's option buttons stand in row order, so the arrow keys move
// through them top to bottom.
std::string FormMarkup();

}  // namespace form::web
