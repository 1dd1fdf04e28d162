#pragma once

#include <QRadioButton>

// An option button that is checked by a click anywhere on its coloured
// rectangle, not only on its indicator and caption.
class OptionButton final : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};
