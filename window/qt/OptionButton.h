#pragma once

#include <QRadioButton>

#include "window/form/ArrowKeys.h"

// An option button as the form draws it: its whole rectangle in its back
// colour, the caption close to the indicator so the longest caption fits its
// strip. It is checked by a click anywhere on that rectangle. An arrow key is
// the window's to answer, which knows where it leads.
class OptionButton final : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

signals:
    void ArrowPressed(form::Arrow arrow);

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
