// The event wiring: each control's signal, Tab and the arrow keys, and what
// they mean to the quiz; where Tab and the arrows go, the shared rules say.
#include <QAbstractButton>

#include "Announcer.h"
#include "MainWindow.h"
#include "OptionButton.h"
#include "window/form/TabStops.h"

using form::Kind;

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
