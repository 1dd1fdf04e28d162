#pragma once

#include <QLabel>

// A label whose caption is drawn at the size that fits its width.
class FittingLabel final : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};
