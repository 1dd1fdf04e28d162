#include "MessageLoop.h"

#include "MainWindow.h"

namespace {

bool IsKeyDown(const MSG& message, WPARAM key) {
    return message.message == WM_KEYDOWN && message.wParam == key;
}

// A multi-line text box under the dialog keys asks its parent to close on
// Escape, which suits a dialog but not this window.
bool IsEscape(const MSG& message) {
    return IsKeyDown(message, VK_ESCAPE) ||
           (message.message == WM_CHAR && message.wParam == VK_ESCAPE);
}

}  // namespace

int RunMessageLoop(MainWindow& window) {
    MSG message{};
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(message.wParam);
        if (got == -1) return -1;
        if (IsEscape(message)) continue;
        // The dialog keys would follow the order of the controls, not the
        // tab indexes, and stop at a group's first button, not its checked one.
        if (IsKeyDown(message, VK_TAB) && window.Owns(message.hwnd)) {
            window.Tab(GetKeyState(VK_SHIFT) < 0);
            continue;
        }
        if (IsDialogMessageW(window.Handle(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}
