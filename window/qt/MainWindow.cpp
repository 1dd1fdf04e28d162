#include "MainWindow.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>

#include "Announcer.h"
#include "FittingLabel.h"
#include "FormUnits.h"
#include "FrameBox.h"
#include "GraphicalButton.h"
#include "OptionButton.h"
#include "hamburger.xpm"
#include "window/TabStops.h"

using form::Kind;
using form::qt::ToQString;

namespace {

void SetBackColor(QWidget* widget, QPalette::ColorRole role, const form::Rgb& rgb) {
    QPalette palette = widget->palette();
    palette.setColor(role, form::qt::ToColor(rgb));
    widget->setPalette(palette);
}

QWidget* CreateTextBox(const form::Control& row, QWidget* parent) {
    auto* box = new QPlainTextEdit(form::qt::ToBoxText(row.text), parent);
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setTabChangesFocus(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return box;
}

QWidget* CreateLabel(const form::Control& row, QWidget* parent) {
    auto* label = new FittingLabel(ToQString(row.text), parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent), announcer_(new Announcer(this)) {
    const form::Window& props = form::kWindowProps;
    setWindowTitle(ToQString(form::WindowCaption()));
    setWindowIcon(QIcon(QPixmap(hamburger_xpm)));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(form::qt::ToFont(props));
    SetBackColor(this, QPalette::Window, props.back);
    setFixedSize(form::qt::ToPixels(props.clientWidth), form::qt::ToPixels(props.clientHeight));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        screen->availableGeometry()));

    BuildControls();
    Wire();
    // The load step: the counts read zero before the window is first shown.
    quiz_.Load();
    Control(form::NextTabStop(form::kWindow, false, *this))->setFocus();
}

void MainWindow::BuildControls() {
    for (std::size_t n = 0; n < form::kControls.size(); ++n) {
        const form::Control& row = form::kControls[n];
        QWidget* parent = row.container == form::kWindow ? this : Control(row.container);
        QWidget* widget = CreateControl(row, parent);
        widget->setObjectName(ToQString(form::NameOf(row.id)));
        widget->setGeometry(form::qt::ToRect(row.rect));
        widget->setVisible(row.visible);
        if (!row.accessibleName.empty()) widget->setAccessibleName(ToQString(row.accessibleName));
        controls_[n] = widget;
    }
}

QWidget* MainWindow::CreateControl(const form::Control& row, QWidget* parent) {
    QWidget* widget = nullptr;
    switch (row.kind) {
        case Kind::Label:
            widget = CreateLabel(row, parent);
            break;
        case Kind::Frame:
            widget = new FrameBox(ToQString(row.text), parent);
            break;
        case Kind::OptionButton:
            widget = new OptionButton(ToQString(row.text), parent);
            break;
        case Kind::PushButton:
            widget = new GraphicalButton(ToQString(row.text), parent);
            break;
        case Kind::TextBox:
            widget = CreateTextBox(row, parent);
            break;
        case Kind::ListBox:
            widget = new QListWidget(parent);
            break;
    }
    if (row.back) {
        // Buttons paint their background in the Button colour, the rest in Window.
        // A frame fills itself, from its caption line down, so that it leaves
        // a control that it overlaps above that line uncovered.
        SetBackColor(widget, widget->backgroundRole(), *row.back);
        widget->setAutoFillBackground(row.kind != Kind::Frame);
    }
    return widget;
}

// A pick is a button becoming checked, whether by mouse, keyboard or an
// assistive technology; the quiz itself only ever switches buttons off.
void MainWindow::Wire() {
    for (const form::Control& row : form::kControls) {
        const form::ControlId id = row.id;
        if (row.kind == Kind::OptionButton) {
            auto* button = static_cast<OptionButton*>(Control(id));
            connect(button, &QAbstractButton::toggled, this, [this, id](bool checked) {
                if (checked) Press(id);
            });
            connect(button, &OptionButton::ArrowPressed, this,
                    [this, id](form::Arrow arrow) { MoveByArrow(id, arrow); });
        } else if (row.kind == Kind::PushButton) {
            connect(static_cast<QAbstractButton*>(Control(id)), &QAbstractButton::clicked, this,
                    [this, id] { Press(id); });
        }
    }
}

void MainWindow::Press(form::ControlId control) {
    const std::string told = quiz_.Press(control);
    if (!told.empty()) announcer_->Say(QString::fromStdString(told));
}

// The arrow focuses the button it moves to and checks it, which picks.
void MainWindow::MoveByArrow(form::ControlId from, form::Arrow arrow) {
    auto* target = static_cast<QAbstractButton*>(Control(form::ArrowTarget(from, arrow, *this)));
    target->setFocus(Qt::TabFocusReason);
    if (!target->isChecked()) target->click();
}

// Tab and Shift+Tab, and a focused control that is disabled, ask the window
// where the focus goes next.
bool MainWindow::focusNextPrevChild(bool next) {
    const form::ControlId to = form::NextTabStop(IdOf(focusWidget()), !next, *this);
    if (to == form::kWindow) return false;
    Control(to)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
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
