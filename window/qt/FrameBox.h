#pragma once

#include <QGroupBox>

// A frame drawn flat in its palette's Window colour: an etched line with the
// caption over its top edge. The toolkit's own style tints the inside instead.
// Above the line only the caption is painted, so what lies behind shows.
//
// The caption is the frame's accessible name but not the group box's title:
// from a title the toolkit also makes the frame the label of each button in
// it, and a screen reader entering the group then says its name twice.
class FrameBox final : public QGroupBox {
    Q_OBJECT
public:
    FrameBox(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};
