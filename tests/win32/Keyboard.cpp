#include "Keyboard.h"

#include <vector>

namespace {

// No keyboard has it, so no control answers it.
constexpr WORD kMarker = VK_F24;
// Wine on a busy machine has been seen to take over 5 s for a key; the wait
// ends as soon as the key is taken.
constexpr DWORD kWaitMs = 30000;
constexpr DWORD kPollMs = 5;
constexpr SHORT kDown = static_cast<SHORT>(0x8000);
constexpr SHORT kToggled = 1;

INPUT Key(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

}  // namespace

// Sharing the window's input needs a message queue of this thread's own.
Keyboard::Keyboard(HWND window) : thread_(GetWindowThreadProcessId(window, nullptr)) {
    MSG message{};
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
    attached_ = AttachThreadInput(GetCurrentThreadId(), thread_, TRUE) != FALSE;
}

Keyboard::~Keyboard() {
    if (attached_) AttachThreadInput(GetCurrentThreadId(), thread_, FALSE);
}

bool Keyboard::Press(WORD key, bool shift) const {
    std::vector<INPUT> inputs;
    if (shift) inputs.push_back(Key(VK_SHIFT, false));
    inputs.push_back(Key(key, false));
    inputs.push_back(Key(key, true));
    if (shift) inputs.push_back(Key(VK_SHIFT, true));
    inputs.push_back(Key(kMarker, false));
    inputs.push_back(Key(kMarker, true));
    // The marker's press flips its toggle; once it is also up again, every
    // key before it has been taken.
    const SHORT toggled = GetKeyState(kMarker) & kToggled;
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    for (DWORD waited = 0; attached_ && waited < kWaitMs; waited += kPollMs) {
        const SHORT state = GetKeyState(kMarker);
        if ((state & kToggled) != toggled && !(state & kDown)) return true;
        Sleep(kPollMs);
    }
    return false;
}
