#pragma once

#include <QPushButton>

// A push button whose whole face shows its palette's Button colour, flat, with
// a raised or sunken edge and a focus frame. The toolkit's own styles shade
// the colour into a gradient instead. Enter presses it, like Space.
class GraphicalButton final : public QPushButton {
    Q_OBJECT
public:
    GraphicalButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
        setAutoDefault(true);
    }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
