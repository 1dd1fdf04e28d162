#pragma once

#include <map>
#include <string>
#include <string_view>

// The page's controls as HTML, made from the form table at build time and
// written into the page, so that the quiz is there, and painted, before any
// script runs; the page's script only attaches to it.
namespace form::web {

// The id of the polite live region that repeats each verdict of the message
// box: a screen reader does not reliably announce a text box's new value.
inline constexpr std::string_view kAnnouncerId = "verdict";

// What the quiz's load step wrote into controls, by element id: the page
// shows the start state from its first paint, and the load step, run again
// by the script, changes nothing on screen.
using LoadedTexts = std::map<std::string, std::string, std::less<>>;

// The form, the main region: its controls in rows (those that share a top in
// the table, in the table's order), containers around what they contain.
// Each group's option buttons stand in row order, so the arrow keys move
// through them top to bottom. A control keeps the table's text unless the
// load step wrote another.
std::string FormMarkup(const LoadedTexts& loaded);

// The media condition of the layout for fingers: a touch screen, or a
// viewport narrower than the form.
std::string TouchMedia();

}  // namespace form::web
