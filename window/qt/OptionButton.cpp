#include "OptionButton.h"

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
    const QRect caption(captionLeft, 0, fontMetrics().horizontalAdvance(text()), height());
    style()->drawItemText(&painter, caption, Qt::AlignLeft | Qt::AlignVCenter, palette(),
                          isEnabled(), text(), QPalette::WindowText);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = caption.adjusted(-kFocusMargin, kFocusMargin, kFocusMargin, -kFocusMargin);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
