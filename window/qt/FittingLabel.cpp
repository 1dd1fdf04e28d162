#include "FittingLabel.h"

#include <QPainter>
#include <QStyle>
#include <algorithm>
#include <cmath>

void FittingLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect area = contentsRect();
    QFont font = this->font();
    const qreal needed = QFontMetricsF(font).horizontalAdvance(text());
    if (needed > area.width()) {
        const qreal fitting = std::floor(QFontInfo(font).pixelSize() * area.width() / needed);
        font.setPixelSize(std::max(1, static_cast<int>(fitting)));
    }
    painter.setFont(font);
    style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(),
                          text(), foregroundRole());
}
