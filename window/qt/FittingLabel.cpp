#include "FittingLabel.h"

#include <QPainter>
#include <QStyle>

#include "window/form/FittingFont.h"

void FittingLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect area = contentsRect();
    QFont font = this->font();
    const int formPixels = QFontInfo(font).pixelSize();
    font.setPixelSize(form::FittingPixels(formPixels, area.width(), [&](int pixels) {
        QFont sized = font;
        sized.setPixelSize(pixels);
        return QFontMetricsF(sized).horizontalAdvance(text());
    }));
    painter.setFont(font);
    style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(),
                          text(), foregroundRole());
}
