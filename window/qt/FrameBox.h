#pragma once

#include <QGroupBox>

// A frame drawn flat in its palette's Window colour: an etched line with the
// caption over its top edge. The toolkit's own style tints the inside instead.
// Above the line only the caption is painted, so what lies behind shows.
class FrameBox final : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};
