// The quiz's view of the window: each operation is one property of one
// control. And what the shared rules read of the option buttons, and each
// control found by its name in the table or by its window.
#include "MainWindow.h"
#include "TextConversion.h"
#include "WindowIds.h"
#include "window/form/TabStops.h"

using form::win32::Narrow;
using form::win32::Widen;
using form::win32::WindowText;

void MainWindow::SetChecked(form::ControlId id, bool on) {
    SendMessageW(Control(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

void MainWindow::SetEnabled(form::ControlId id, bool on) { EnableWindow(Control(id), on); }

// Tab itself asks the shared rules; the style tells assistive technology
// which button of each group the keyboard enters it at, as in a dialog. It is
// marked once a step of the quiz is done, not at each of its writes.
void MainWindow::MarkTabStops() {
    const form::ControlId stops[] = {form::TabStopOf(form::Frame1(0), *this),
                                     form::TabStopOf(form::Frame1(1), *this)};
    for (const form::Control& row : form::kControls) {
        if (row.kind != form::Kind::OptionButton) continue;
        const HWND button = Control(row.id);
        const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE) & ~WS_TABSTOP;
        const bool stop = row.id == stops[0] || row.id == stops[1];
        SetWindowLongPtrW(button, GWL_STYLE, stop ? style | WS_TABSTOP : style);
    }
}

void MainWindow::SetNameChecked(quiz::PairIndex i, bool on) { SetChecked(form::Option1(i), on); }
void MainWindow::SetPlaceChecked(quiz::PairIndex i, bool on) { SetChecked(form::Option2(i), on); }
void MainWindow::SetNameEnabled(quiz::PairIndex i, bool on) { SetEnabled(form::Option1(i), on); }
void MainWindow::SetPlaceEnabled(quiz::PairIndex i, bool on) { SetEnabled(form::Option2(i), on); }

std::string MainWindow::GetFeedback() const {
    return Narrow(WindowText(Control(form::kFeedbackBox)));
}

// The standard accessibility events say that the box's value and a label's
// name changed, for a reader that shows them; what is spoken is the one
// announcement after the step.
void MainWindow::SetFeedback(const std::string& text) {
    const HWND box = Control(form::kFeedbackBox);
    SetWindowTextW(box, Widen(text).c_str());
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, box, OBJID_CLIENT, CHILDID_SELF);
}

std::string MainWindow::GetExplanation(quiz::PairIndex i) const {
    const HWND list = Control(form::kExplanationList);
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    if (length == LB_ERR) return {};
    std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i),
                                        reinterpret_cast<LPARAM>(item.data()));
    item.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return Narrow(item);
}

void MainWindow::SetRightCaption(const std::string& text) { SetCaption(form::kRightCount, text); }
void MainWindow::SetWrongCaption(const std::string& text) { SetCaption(form::kWrongCount, text); }

void MainWindow::SetCaption(form::ControlId label, const std::string& text) {
    SetWindowTextW(Control(label), Widen(text).c_str());
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, Control(label), OBJID_CLIENT, CHILDID_SELF);
}

form::OptionState MainWindow::Of(form::ControlId option) const {
    const HWND button = Control(option);
    return {SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED, IsWindowEnabled(button) != 0};
}

HWND MainWindow::Control(form::ControlId id) const {
    const std::size_t row = form::RowOf(id);
    return row < controls_.size() ? controls_[row] : nullptr;
}

std::size_t MainWindow::RowOf(HWND control) const {
    if (!control || !IsChild(hwnd_, control)) return form::kControls.size();
    return form::win32::RowOfControlId(GetDlgCtrlID(control));
}

form::ControlId MainWindow::IdOf(HWND control) const {
    const std::size_t row = RowOf(control);
    return row < form::kControls.size() ? form::kControls[row].id : form::kWindow;
}
