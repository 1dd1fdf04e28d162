#pragma once

#include "Checks.h"

// The count labels after `wrongAnswers` wrong answers, then with the widest
// captions the quiz can reach, each measured with the font the label uses
// against its client area. This runs on a window of the program's own code
// made in this process at `dpi`: another process cannot measure with a font
// the window made.
void CheckCaptionsFit(Checks& checks, int dpi, int wrongAnswers);
