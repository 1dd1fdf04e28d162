#pragma once

#include <windows.h>

// Runs until the program is asked to quit, giving `window` the keyboard
// handling of a dialog (Tab, arrow keys in a group, Space, Enter). Returns the
// exit code, or -1 if reading the queue failed.
int RunMessageLoop(HWND window);
