#pragma once

#include <QLabel>

// A label whose caption never runs past its edges: a caption wider than the
// label, such as a count that has grown to several digits, is drawn in a
// font just small enough to fit. Captions that fit keep the form's font.
class FittingLabel final : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};
