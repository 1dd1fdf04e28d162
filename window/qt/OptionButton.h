#pragma once

#include <QRadioButton>

// An option button as the form draws it: its whole rectangle in its back
// colour, the caption close to the indicator so the longest caption fits its
// strip. It is checked by a click anywhere on that rectangle, and an arrow key
// checks the button it moves to, as in a classic desktop dialog.
class OptionButton final : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
