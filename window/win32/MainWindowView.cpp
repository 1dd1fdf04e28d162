// The quiz's view of the window: each operation is one property of one control.
#include "MainWindow.h"
#include "TextConversion.h"

using form::win32::Narrow;
using form::win32::Widen;
using form::win32::WindowText;

void MainWindow::SetChecked(form::ControlId id, bool on) {
    SendMessageW(Control(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    RefreshTabStop(form::At(id).container);
}

void MainWindow::SetEnabled(form::ControlId id, bool on) {
    EnableWindow(Control(id), on);
    RefreshTabStop(form::At(id).container);
}

void MainWindow::SetNameChecked(quiz::PairIndex i, bool on) { SetChecked(form::Option1(i), on); }
void MainWindow::SetPlaceChecked(quiz::PairIndex i, bool on) { SetChecked(form::Option2(i), on); }
void MainWindow::SetNameEnabled(quiz::PairIndex i, bool on) { SetEnabled(form::Option1(i), on); }
void MainWindow::SetPlaceEnabled(quiz::PairIndex i, bool on) { SetEnabled(form::Option2(i), on); }

std::string MainWindow::GetFeedback() const {
    return Narrow(WindowText(Control(form::kFeedbackBox)));
}

void MainWindow::SetFeedback(const std::string& text) {
    SetWindowTextW(Control(form::kFeedbackBox), Widen(text).c_str());
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

void MainWindow::SetRightCaption(const std::string& text) {
    SetWindowTextW(Control(form::kRightCount), Widen(text).c_str());
}

void MainWindow::SetWrongCaption(const std::string& text) {
    SetWindowTextW(Control(form::kWrongCount), Widen(text).c_str());
}
