#include "OptionButton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace {

constexpr int kLabelSpacing = 3;  // between indicator and caption
constexpr int kFocusMargin = 1;   // the focus frame around the caption

}  // namespace

void OptionButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    QStyleOptionButton indicator = option;
    indicator.rect = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    style()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &indicator, &painter, this);

    const int captionLeft = indicator.rect.right() + 1 + kLabelSpacing;
    const QRect rest(captionLeft, 0, width() - captionLeft, height());
    style()->drawItemText(&painter, rest, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(),
                          text(), QPalette::WindowText);

    // Only the focus frame needs the caption's width; measuring it shapes the
    // text a second time, which the first paint of 24 buttons can do without.
    if (hasFocus()) {
        const QRect caption(captionLeft, 0, fontMetrics().horizontalAdvance(text()), height());
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = caption.adjusted(-kFocusMargin, kFocusMargin, kFocusMargin, -kFocusMargin);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void OptionButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
            emit ArrowPressed(form::Arrow::Up);
            break;
        case Qt::Key_Down:
            emit ArrowPressed(form::Arrow::Down);
            break;
        case Qt::Key_Left:
            emit ArrowPressed(form::Arrow::Left);
            break;
        case Qt::Key_Right:
            emit ArrowPressed(form::Arrow::Right);
            break;
        default:
            QRadioButton::keyPressEvent(event);
    }
}
