// The builder: the window and its controls from the form table, then the
// event wiring and the load step.
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
#include "window/form/TabStops.h"

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
    const QString caption = ToQString(row.text);
    QLabel* label =
        row.fitsCaption ? new FittingLabel(caption, parent) : new QLabel(caption, parent);
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
