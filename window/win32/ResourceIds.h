#pragma once

// Shared by the resource script and the program, so plain macros.
#define QUIZ_ICON_ID 1
