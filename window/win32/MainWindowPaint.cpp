// The painting: the form's colours behind the window and its controls, and
// the faces of the owner-drawn push buttons.
#include "FormUnits.h"
#include "MainWindow.h"
#include "PushButtonPainter.h"
#include "WindowIds.h"

using namespace form::win32;

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
