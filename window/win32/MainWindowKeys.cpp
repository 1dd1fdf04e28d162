// The keyboard and the focus: Tab and the arrow keys go where the editions'
// shared rules say; Space and Enter are the controls' own and the dialog
// keys'.
#include "MainWindow.h"
// The common controls' header needs windows.h, which comes first above.
#include <commctrl.h>

#include <optional>

#include "window/TabStops.h"

namespace {

// The arrow keys by their virtual key codes; none for any other key.
std::optional<form::Arrow> ArrowOf(WPARAM key) {
    switch (key) {
        case VK_UP:
            return form::Arrow::Up;
        case VK_DOWN:
            return form::Arrow::Down;
        case VK_LEFT:
            return form::Arrow::Left;
        case VK_RIGHT:
            return form::Arrow::Right;
        default:
            return std::nullopt;
    }
}

}  // namespace

bool MainWindow::Owns(HWND hwnd) const { return hwnd == hwnd_ || IsChild(hwnd_, hwnd); }

void MainWindow::Tab(bool backwards) {
    const form::ControlId to = form::NextTabStop(IdOf(GetFocus()), backwards, *this);
    if (!(to == form::kWindow)) SetFocus(Control(to));
}

LRESULT MainWindow::OnOptionMessage(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE:
            return DefSubclassProc(button, message, wParam, lParam) | DLGC_WANTARROWS;
        case WM_KEYDOWN:
            if (const std::optional<form::Arrow> arrow = ArrowOf(wParam)) {
                MoveByArrow(button, *arrow);
                return 0;
            }
            break;
        case WM_SETFOCUS: {
            // An unchecked button that gets the focus from the keyboard reports
            // a click; moving into a group picks nothing.
            arriving_ = button;
            const LRESULT result = DefSubclassProc(button, message, wParam, lParam);
            arriving_ = nullptr;
            return result;
        }
        default:
            break;
    }
    return DefSubclassProc(button, message, wParam, lParam);
}

// The arrow focuses the button it moves to and checks it, which picks.
void MainWindow::MoveByArrow(HWND from, form::Arrow arrow) {
    const form::ControlId to = form::ArrowTarget(IdOf(from), arrow, *this);
    SetFocus(Control(to));
    Pick(to);
}

// Like a dialog, the window gives the focus back to the control that had it.
void MainWindow::OnActivate(bool active) {
    if (!active) {
        const HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) focus_ = focus;
    } else if (!IsIconic(hwnd_)) {
        const bool usable = focus_ && IsWindowEnabled(focus_) && IsWindowVisible(focus_);
        SetFocus(usable ? focus_ : Control(form::NextTabStop(form::kWindow, false, *this)));
    }
}
