// The event wiring: each message of the window and its controls, the
// keyboard and the focus, and what a notification of a control means to the
// quiz. Tab and the arrow keys go where the editions' shared rules say; Space
// and Enter are the controls' own and the dialog keys'.
#include "MainWindow.h"
// The common controls' header needs windows.h, which comes first above.
#include <commctrl.h>
#include <windowsx.h>

#include <optional>

#include "AccessibleControl.h"
#include "ResourceIds.h"
#include "TextConversion.h"
#include "WindowIds.h"
#include "window/form/TabStops.h"

using form::Kind;
using form::win32::Widen;

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

bool MainWindow::Register(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &MainWindow::Procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(QUIZ_ICON_ID));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = form::win32::kWindowClassName;
    return RegisterClassExW(&windowClass) != 0;
}

// The window procedure finds its MainWindow in the window's user data, the
// one place Windows offers to keep it; it is set when the window is made.
LRESULT CALLBACK MainWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* window =
            static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        window->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!window) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        window->hwnd_ = nullptr;
    }
    return window->OnMessage(message, wParam, lParam);
}

// Every control is subclassed to this window: what each kind needs beyond its
// standard behaviour is in OnControlMessage.
LRESULT CALLBACK MainWindow::ControlProcedure(HWND control, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR id, DWORD_PTR window) {
    if (message == WM_NCDESTROY) RemoveWindowSubclass(control, &MainWindow::ControlProcedure, id);
    return reinterpret_cast<MainWindow*>(window)->OnControlMessage(control, message, wParam,
                                                                   lParam);
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_COMMAND:
            OnCommand(GET_WM_COMMAND_ID(wParam, lParam), GET_WM_COMMAND_CMD(wParam, lParam),
                      GET_WM_COMMAND_HWND(wParam, lParam));
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            if (const HBRUSH brush =
                    OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
                return reinterpret_cast<LRESULT>(brush);
            return DefWindowProcW(hwnd_, message, wParam, lParam);
        case WM_DRAWITEM:
            OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_ERASEBKGND:
            OnEraseBackground(reinterpret_cast<HDC>(wParam));
            return TRUE;
        case WM_ACTIVATE:
            OnActivate(LOWORD(wParam) != WA_INACTIVE);
            return 0;
        case WM_SETFOCUS:
            OnActivate(true);
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

// The window is built, every control answers to it, and the load step runs:
// the counts read zero before the window is first shown.
void MainWindow::OnCreate() {
    BuildControls();
    for (const HWND control : controls_)
        SetWindowSubclass(control, &MainWindow::ControlProcedure, 0,
                          reinterpret_cast<DWORD_PTR>(this));
    quiz_.Load();
    MarkTabStops();
    focus_ = Control(form::NextTabStop(form::kWindow, false, *this));
}

LRESULT MainWindow::OnControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::size_t row = RowOf(control);
    if (row >= form::kControls.size()) return DefSubclassProc(control, message, wParam, lParam);
    const form::Control& source = form::kControls[row];
    switch (message) {
        case WM_GETOBJECT:
            // The object id travels in the low 32 bits. A frame is the group
            // of the option buttons it holds.
            if (static_cast<LONG>(lParam) == OBJID_CLIENT &&
                (!source.accessibleName.empty() || source.kind == Kind::Frame))
                if (const LRESULT answer = form::win32::AccessibleControl::Answer(
                        control, wParam, Widen(source.accessibleName),
                        source.kind == Kind::Frame ? ROLE_SYSTEM_GROUPING : 0))
                    return answer;
            break;
        case WM_COMMAND:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            // A frame passes on what its option buttons tell their parent.
            if (source.kind == Kind::Frame) return SendMessageW(hwnd_, message, wParam, lParam);
            break;
        case WM_SETTEXT:
            if (source.fitsCaption && font_) {
                const LRESULT result = DefSubclassProc(control, message, wParam, lParam);
                fitting_[row].Fit(control, font_.get());
                return result;
            }
            break;
        case WM_GETDLGCODE:
            // Tab into the read-only message box leaves its text unselected.
            if (source.kind == Kind::TextBox)
                return DefSubclassProc(control, message, wParam, lParam) & ~DLGC_HASSETSEL;
            break;
        default:
            break;
    }
    if (source.kind == Kind::OptionButton) return OnOptionMessage(control, message, wParam, lParam);
    return DefSubclassProc(control, message, wParam, lParam);
}

// A click on an option button, by mouse, keyboard or an assistive
// technology, is a pick; a click on a push button is its press.
void MainWindow::OnCommand(int id, int code, HWND control) {
    if (id == IDOK) {  // Enter, which the dialog keys turn into IDOK
        const form::ControlId focus = IdOf(GetFocus());
        if (!(focus == form::kWindow) && form::At(focus).kind == Kind::PushButton) Press(focus);
        return;
    }
    const form::ControlId source = IdOf(control);
    if (source == form::kWindow) return;
    const Kind kind = form::At(source).kind;
    const bool clicked = code == BN_CLICKED;
    if (kind == Kind::OptionButton && clicked) {
        // A disabled button can still be sent a click message.
        if (control != arriving_ && IsWindowEnabled(control)) Pick(source);
    } else if (kind == Kind::PushButton && (clicked || code == BN_DOUBLECLICKED)) {
        // An owner-drawn button reports a quick second click as a double click.
        Press(source);
    }
}

// The button is checked alone in its frame, as a group of option buttons
// does; only a button that was not checked yet makes a pick.
void MainWindow::Pick(form::ControlId option) {
    if (Of(option).checked) return;
    const form::ControlId frame = form::At(option).container;
    for (const form::Control& row : form::kControls)
        if (row.container == frame)
            SendMessageW(Control(row.id), BM_SETCHECK,
                         row.id == option ? BST_CHECKED : BST_UNCHECKED, 0);
    Press(option);
}

// What the press means is the quiz's; what it says after Check and Clear is
// told once, wherever the focus is.
void MainWindow::Press(form::ControlId control) {
    const std::wstring told = Widen(quiz_.Press(control));
    MarkTabStops();
    if (told.empty()) return;
    SetWindowTextW(announcement_, told.c_str());
    announcer_.Say(hwnd_, told);
}

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
