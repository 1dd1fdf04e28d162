#include "MessageLoop.h"

namespace {

// A multi-line text box under the dialog keys asks its parent to close on
// Escape, which suits a dialog but not this window.
bool IsEscape(const MSG& message) {
    return (message.message == WM_KEYDOWN || message.message == WM_CHAR) &&
           message.wParam == VK_ESCAPE;
}

}  // namespace

int RunMessageLoop(HWND window) {
    MSG message{};
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(message.wParam);
        if (got == -1) return -1;
        if (IsEscape(message) || IsDialogMessageW(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}
