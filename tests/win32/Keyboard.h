#pragma once

#include <windows.h>

// Keys as a pupil presses them: real input through the system, to the
// window that has the keyboard. A press returns once the window has taken
// it: the key is followed by one that no control answers, and the window's
// thread has taken that one when its key state says so, a state this
// thread shares with it.
class Keyboard final {
public:
    explicit Keyboard(HWND window);
    ~Keyboard();
    Keyboard(const Keyboard&) = delete;
    Keyboard& operator=(const Keyboard&) = delete;

    // `key`, with Shift held when `shift`; false if the window did not take
    // it in time.
    [[nodiscard]] bool Press(WORD key, bool shift) const;

private:
    DWORD thread_;
    bool attached_;
};
