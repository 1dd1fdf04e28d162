// The builder: the window and its controls from the form table, laid out at
// the window's dpi, and again whenever that changes.
#include "MainWindow.h"

#include <utility>

#include "ControlFactory.h"
#include "CreationOrder.h"
#include "Dpi.h"
#include "FormUnits.h"
#include "TextConversion.h"
#include "WindowIds.h"

using namespace form::win32;

namespace {

// A fixed border and no maximise box: the form has one size.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kWindowExStyle = 0;

std::wstring Caption() { return Widen(form::WindowCaption()); }

GdiObject<HFONT> CreateFormFont(int dpi) {
    const form::Window& props = form::kWindowProps;
    const std::wstring family = Widen(props.fontFamily);
    return GdiObject<HFONT>(CreateFontW(
        FontHeight(props.fontPoints, dpi), 0, 0, 0, props.fontWeight, FALSE, FALSE, FALSE,
        static_cast<DWORD>(props.fontCharset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
        DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, family.c_str()));
}

// What a screen reader was last told, kept where another program can read
// it. It is never shown, and the form has no such control.
HWND CreateAnnouncement(HWND window) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(kAnnouncementId));
    return CreateWindowExW(0, L"STATIC", L"", WS_CHILD | SS_NOPREFIX, 0, 0, 0, 0, window, id,
                           instance, nullptr);
}

}  // namespace

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

void MainWindow::BuildControls() {
    for (std::size_t position = 0; position < kCreationOrder.size(); ++position) {
        const std::size_t row = kCreationOrder[position];
        const form::ControlId container = form::kControls[row].container;
        controls_[row] =
            CreateControl(container == form::kWindow ? hwnd_ : Control(container), position);
    }
    announcement_ = CreateAnnouncement(hwnd_);
    ApplyDpi(WindowDpi(hwnd_));
    CentreOnScreen();
}

void MainWindow::ApplyDpi(int dpi) {
    GdiObject<HFONT> font = CreateFormFont(dpi);
    for (std::size_t row = 0; row < form::kControls.size(); ++row) {
        const RECT rect = ControlRect(form::kControls[row], dpi);
        SendMessageW(controls_[row], WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        MoveWindow(controls_[row], rect.left, rect.top, rect.right - rect.left,
                   rect.bottom - rect.top, TRUE);
        if (form::kControls[row].fitsCaption) fitting_[row].Fit(controls_[row], font.get());
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
