// The quiz's view of the window: each operation is one property of one
// control. And what the shared rules read of the option buttons, and each
// control found by its name in the table or by its widget.
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include "FormUnits.h"
#include "MainWindow.h"

namespace {

// An exclusive group refuses to switch off its checked button; lifting the
// exclusivity for that one call lets the quiz clear it.
void SwitchOff(QRadioButton* button) {
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
}

// Only the user makes picks: a change made by the quiz raises none.
void SetChecked(QRadioButton* button, bool on) {
    const QSignalBlocker quiet(button);
    if (on)
        button->setChecked(true);
    else
        SwitchOff(button);
}

}  // namespace

void MainWindow::SetNameChecked(quiz::PairIndex i, bool on) { SetChecked(Option1(i), on); }
void MainWindow::SetPlaceChecked(quiz::PairIndex i, bool on) { SetChecked(Option2(i), on); }
void MainWindow::SetNameEnabled(quiz::PairIndex i, bool on) { Option1(i)->setEnabled(on); }
void MainWindow::SetPlaceEnabled(quiz::PairIndex i, bool on) { Option2(i)->setEnabled(on); }

std::string MainWindow::GetFeedback() const {
    return form::qt::FromBoxText(FeedbackBox()->toPlainText());
}
void MainWindow::SetFeedback(const std::string& text) {
    FeedbackBox()->setPlainText(form::qt::ToBoxText(text));
}

std::string MainWindow::GetExplanation(quiz::PairIndex i) const {
    const QListWidgetItem* item = ExplanationList()->item(i);
    return item ? item->text().toStdString() : std::string();
}

void MainWindow::SetRightCaption(const std::string& text) {
    RightCount()->setText(QString::fromStdString(text));
}
void MainWindow::SetWrongCaption(const std::string& text) {
    WrongCount()->setText(QString::fromStdString(text));
}

form::OptionState MainWindow::Of(form::ControlId option) const {
    const auto* button = static_cast<const QAbstractButton*>(Control(option));
    return {button->isChecked(), button->isEnabled()};
}

form::ControlId MainWindow::IdOf(const QWidget* widget) const {
    for (std::size_t n = 0; n < controls_.size(); ++n)
        if (controls_[n] == widget) return form::kControls[n].id;
    return form::kWindow;
}

QWidget* MainWindow::Control(form::ControlId id) const { return controls_.at(form::RowOf(id)); }

QRadioButton* MainWindow::Option1(int i) const {
    return static_cast<QRadioButton*>(Control(form::Option1(i)));
}
QRadioButton* MainWindow::Option2(int i) const {
    return static_cast<QRadioButton*>(Control(form::Option2(i)));
}
QAbstractButton* MainWindow::Command1(int i) const {
    return static_cast<QAbstractButton*>(Control(form::Command1(i)));
}
QPlainTextEdit* MainWindow::FeedbackBox() const {
    return static_cast<QPlainTextEdit*>(Control(form::kFeedbackBox));
}
QLabel* MainWindow::RightCount() const { return static_cast<QLabel*>(Control(form::kRightCount)); }
QLabel* MainWindow::WrongCount() const { return static_cast<QLabel*>(Control(form::kWrongCount)); }
QListWidget* MainWindow::ExplanationList() const {
    return static_cast<QListWidget*>(Control(form::kExplanationList));
}
