#include "MainWindow.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>
#include <vector>

#include "FittingLabel.h"
#include "FormUnits.h"
#include "FrameBox.h"
#include "GraphicalButton.h"
#include "OptionButton.h"
#include "hamburger.xpm"

using form::Kind;
using form::qt::ToQString;

namespace {

// The form's texts use CR LF; a plain text box shows a line break as LF.
QString ToBoxText(std::string_view text) { return ToQString(text).replace("\r\n", "\n"); }
std::string FromBoxText(const QString& text) {
    return QString(text).replace('\n', "\r\n").toStdString();
}

QString ObjectName(form::ControlId id) {
    const QString name = ToQString(id.name);
    return id.index < 0 ? name : name + '_' + QString::number(id.index);
}

void SetBackColor(QWidget* widget, QPalette::ColorRole role, const form::Rgb& rgb) {
    QPalette palette = widget->palette();
    palette.setColor(role, form::qt::ToColor(rgb));
    widget->setPalette(palette);
}

QWidget* CreateTextBox(const form::Control& row, QWidget* parent) {
    auto* box = new QPlainTextEdit(ToBoxText(row.text), parent);
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

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
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
    ApplyTabOrder();
    Wire();
    // The load step: the counts read zero before the window is first shown.
    state_.ResetQuiz();
    FeedbackBox()->setFocus();
}

void MainWindow::BuildControls() {
    for (std::size_t n = 0; n < form::kControls.size(); ++n) {
        const form::Control& row = form::kControls[n];
        QWidget* parent = row.container == form::kWindow ? this : Control(row.container);
        QWidget* widget = CreateControl(row, parent);
        widget->setObjectName(ObjectName(row.id));
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

void MainWindow::ApplyTabOrder() {
    QWidget* previous = nullptr;
    for (const form::Control* row : form::kTabOrder) {
        QWidget* widget = Control(row->id);
        if (widget->focusPolicy() == Qt::NoFocus) continue;
        if (previous) setTabOrder(previous, widget);
        previous = widget;
    }
}

// The toolkit gives the Tab key to one button of an exclusive group only, the
// one last focused. Once that button is disabled the whole group would drop out
// of the Tab order, so the stop moves to the group's checked button, else its
// focused one, else its first enabled one in tab order.
void MainWindow::KeepGroupReachable(form::ControlId frame) {
    std::vector<QAbstractButton*> group;
    for (const form::Control* row : form::kTabOrder)
        if (row->container == frame)
            group.push_back(static_cast<QAbstractButton*>(Control(row->id)));
    auto enabledWhere = [&group](auto pred) {
        const auto it = std::find_if(group.begin(), group.end(), [pred](QAbstractButton* b) {
            return b->isEnabled() && pred(b);
        });
        return it == group.end() ? nullptr : *it;
    };
    QAbstractButton* stop = enabledWhere([](QAbstractButton* b) { return b->isChecked(); });
    if (!stop) stop = enabledWhere([](QAbstractButton* b) { return b->hasFocus(); });
    if (!stop) stop = enabledWhere([](QAbstractButton*) { return true; });
    for (QAbstractButton* b : group) {
        const int policy =
            b == stop ? b->focusPolicy() | Qt::TabFocus : b->focusPolicy() & ~Qt::TabFocus;
        b->setFocusPolicy(static_cast<Qt::FocusPolicy>(policy));
    }
}

// A pick is a button becoming checked, whether by mouse, keyboard or an
// assistive technology; the quiz itself only ever switches buttons off.
void MainWindow::Wire() {
    for (int i = 0; i < quiz::kPairCount; ++i) {
        const auto pair = static_cast<quiz::PairIndex>(i);
        connect(Option1(i), &QAbstractButton::toggled, this, [this, pair](bool checked) {
            if (checked) state_.PickName(pair);
        });
        connect(Option2(i), &QAbstractButton::toggled, this, [this, pair](bool checked) {
            if (checked) state_.PickPlace(pair);
        });
    }
    connect(Command1(form::kCheckButton), &QAbstractButton::clicked, this,
            [this] { state_.Check(); });
    connect(Command1(form::kClearButton), &QAbstractButton::clicked, this,
            [this] { state_.Clear(); });
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
void MainWindow::SetNameEnabled(quiz::PairIndex i, bool on) {
    Option1(i)->setEnabled(on);
    KeepGroupReachable(form::At(form::Option1(i)).container);
}
void MainWindow::SetPlaceEnabled(quiz::PairIndex i, bool on) {
    Option2(i)->setEnabled(on);
    KeepGroupReachable(form::At(form::Option2(i)).container);
}

std::string MainWindow::GetFeedback() const { return FromBoxText(FeedbackBox()->toPlainText()); }
void MainWindow::SetFeedback(const std::string& text) {
    FeedbackBox()->setPlainText(ToBoxText(text));
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
