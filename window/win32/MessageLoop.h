#pragma once

class MainWindow;

// Runs until the program is asked to quit, giving `window` the keyboard
// handling of a dialog (Space, Enter, arrow keys to its option buttons) and
// Tab by its own rule. Returns the exit code, or -1 if reading the queue
// failed.
int RunMessageLoop(MainWindow& window);
