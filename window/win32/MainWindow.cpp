#include "MainWindow.h"

#include <windowsx.h>

#include "ControlFactory.h"
#include "CreationOrder.h"
#include "Dpi.h"
#include "FormUnits.h"
#include "PushButtonPainter.h"
#include "ResourceIds.h"
#include "TextConversion.h"
#include "WindowIds.h"

using form::Kind;
using namespace form::win32;

namespace {

// A fixed border and no maximise box: the form has one size.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kWindowExStyle = 0;

std::wstring Caption() { return Widen(form::WindowCaption()); }

bool IsChecked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

GdiObject<HFONT> CreateFormFont(int dpi) {
    const form::Window& props = form::kWindowProps;
    const std::wstring family = Widen(props.fontFamily);
    return GdiObject<HFONT>(CreateFontW(
        FontHeight(props.fontPoints, dpi), 0, 0, 0, props.fontWeight, FALSE, FALSE, FALSE,
        static_cast<DWORD>(props.fontCharset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
        DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, family.c_str()));
}

}  // namespace

bool MainWindow::Register(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &MainWindow::Procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(QUIZ_ICON_ID));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kWindowClassName;
    return RegisterClassExW(&windowClass) != 0;
}

MainWindow::MainWindow(HINSTANCE instance) {
    CreateWindowExW(kWindowExStyle, kWindowClassName, Caption().c_str(), kWindowStyle,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                    instance, this);
}

MainWindow::~MainWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void MainWindow::Show(int showCommand) const {
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
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
        case WM_NEXTDLGCTL:
            OnNextControl(wParam, lParam);
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

void MainWindow::OnCreate() {
    CreateControls();
    ApplyDpi(WindowDpi(hwnd_));
    CentreOnScreen();
    // The load step: the counts read zero before the window is first shown.
    state_.ResetQuiz();
    focus_ = Control(form::kFeedbackBox);
}

void MainWindow::CreateControls() {
    for (std::size_t position = 0; position < kCreationOrder.size(); ++position)
        controls_[kCreationOrder[position]] = CreateControl(hwnd_, position);
}

void MainWindow::ApplyDpi(int dpi) {
    GdiObject<HFONT> font = CreateFormFont(dpi);
    for (std::size_t row = 0; row < form::kControls.size(); ++row) {
        const RECT rect = ControlRect(form::kControls[row], dpi);
        SendMessageW(controls_[row], WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        MoveWindow(controls_[row], rect.left, rect.top, rect.right - rect.left,
                   rect.bottom - rect.top, TRUE);
    }
    font_ = std::move(font);  // only now is the old font no longer in use
    const SIZE size = WindowSize(dpi);
    SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE MainWindow::WindowSize(int dpi) const {
    const form::Window& props = form::kWindowProps;
    const SIZE client{ToPixels(props.clientWidth, dpi), ToPixels(props.clientHeight, dpi)};
    const RECT rect = WindowRectForClient(client, kWindowStyle, kWindowExStyle, dpi);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

void MainWindow::CentreOnScreen() {
    RECT window{};
    GetWindowRect(hwnd_, &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    SetWindowPos(hwnd_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    ApplyDpi(dpi);
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

// A pick is a button becoming checked, by mouse, keyboard or an assistive
// technology; the quiz itself only ever switches buttons off, and that
// raises no notification.
void MainWindow::OnCommand(int id, int code, HWND control) {
    if (id == IDOK) {  // Enter, which the dialog keys turn into IDOK
        const std::size_t row = RowOf(GetFocus());
        if (row < form::kControls.size() && form::kControls[row].kind == Kind::PushButton)
            PressPushButton(form::kControls[row].id.index);
        return;
    }
    const std::size_t row = RowOfControlId(id);
    if (row >= form::kControls.size()) return;
    const form::Control& source = form::kControls[row];
    const bool clicked = code == BN_CLICKED;
    if (source.kind == Kind::OptionButton && clicked && IsChecked(control)) {
        const auto pair = static_cast<quiz::PairIndex>(source.id.index);
        if (source.id == form::Option1(pair))
            state_.PickName(pair);
        else
            state_.PickPlace(pair);
        RefreshTabStop(source.container);
    } else if (source.kind == Kind::PushButton && (clicked || code == BN_DOUBLECLICKED)) {
        // An owner-drawn button reports a quick second click as a double click.
        PressPushButton(source.id.index);
    }
}

void MainWindow::PressPushButton(int index) {
    if (index == form::kCheckButton)
        state_.Check();
    else if (index == form::kClearButton)
        state_.Clear();
}

HBRUSH MainWindow::OnControlColour(HDC dc, HWND control) {
    const std::size_t row = RowOf(control);
    if (row >= form::kControls.size()) return nullptr;
    const form::Control& source = form::kControls[row];
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    if (source.back) {
        const COLORREF back = ToColorRef(*source.back);
        SetBkColor(dc, back);
        return brushes_.Get(back);
    }
    // A read-only text box would otherwise take the grey of a dialog.
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return GetSysColorBrush(COLOR_WINDOW);
}

void MainWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    const std::size_t row = RowOfControlId(static_cast<int>(item.CtlID));
    if (row >= form::kControls.size()) return;
    const auto& back = form::kControls[row].back;
    PaintPushButton(item, back ? brushes_.Get(ToColorRef(*back)) : GetSysColorBrush(COLOR_BTNFACE));
}

void MainWindow::OnEraseBackground(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, brushes_.Get(ToColorRef(form::kWindowProps.back)));
}

// Like a dialog, the window gives the focus back to the control that had it.
void MainWindow::OnActivate(bool active) {
    if (!active) {
        const HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) focus_ = focus;
    } else if (!IsIconic(hwnd_)) {
        const bool usable = focus_ && IsWindowEnabled(focus_) && IsWindowVisible(focus_);
        SetFocus(usable ? focus_ : Control(form::kFeedbackBox));
    }
}

// A multi-line text box passes Tab on to its parent as this dialog message,
// and the dialog keys use it to move to a control in another group.
void MainWindow::OnNextControl(WPARAM wParam, LPARAM lParam) {
    const HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                     : GetNextDlgTabItem(hwnd_, GetFocus(), wParam != 0);
    if (!next) return;
    if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessageW(next, EM_SETSEL, 0, -1);
    SetFocus(next);
}

// Tab lands on the group's checked option button, or on its first enabled
// one; Windows itself moves the stop only as a button's check changes.
void MainWindow::RefreshTabStop(form::ControlId frame) {
    HWND stop = nullptr;
    for (const std::size_t row : kCreationOrder) {
        const form::Control& option = form::kControls[row];
        const HWND button = controls_[row];
        if (option.kind != Kind::OptionButton || !(option.container == frame)) continue;
        SetWindowLongPtrW(button, GWL_STYLE, GetWindowLongPtrW(button, GWL_STYLE) & ~WS_TABSTOP);
        if (IsWindowEnabled(button) && (!stop || IsChecked(button))) stop = button;
    }
    if (stop) SetWindowLongPtrW(stop, GWL_STYLE, GetWindowLongPtrW(stop, GWL_STYLE) | WS_TABSTOP);
}

HWND MainWindow::Control(form::ControlId id) const {
    const std::size_t row = form::RowOf(id);
    return row < controls_.size() ? controls_[row] : nullptr;
}

std::size_t MainWindow::RowOf(HWND control) const {
    if (!control || GetParent(control) != hwnd_) return form::kControls.size();
    return RowOfControlId(GetDlgCtrlID(control));
}
