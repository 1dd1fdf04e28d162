#include "GraphicalButton.h"

#include <qdrawutil.h>

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace {

constexpr int kFocusInset = 4;  // keeps the focus frame inside the button's edge
constexpr int kPressShift = 1;  // the caption moves with a pressed face

}  // namespace

void GraphicalButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const bool sunken = isDown() || isChecked();
    const QBrush face = palette().brush(QPalette::Button);
    qDrawWinButton(&painter, rect(), palette(), sunken, &face);

    const QRect textRect = sunken ? rect().translated(kPressShift, kPressShift) : rect();
    style()->drawItemText(&painter, textRect, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                          isEnabled(), text(), QPalette::ButtonText);

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset);
        option.backgroundColor = face.color();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void GraphicalButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
            event->ignore();
            break;
        default:
            QPushButton::keyPressEvent(event);
    }
}
