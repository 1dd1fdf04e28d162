#include "FrameBox.h"

#include <qdrawutil.h>

#include <QPainter>
#include <QStyle>

namespace {

constexpr int kCaptionInset = 6;  // the caption stands clear of the corner

}  // namespace

void FrameBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int lineTop = metrics.height() / 2;
    qDrawShadeRect(&painter, QRect(0, lineTop, width(), height() - lineTop), palette(),
                   /*sunken=*/true);

    const QRect caption(kCaptionInset, 0, metrics.horizontalAdvance(title()), metrics.height());
    painter.fillRect(caption, palette().window());
    style()->drawItemText(&painter, caption, Qt::AlignLeft | Qt::AlignVCenter, palette(),
                          isEnabled(), title(), QPalette::WindowText);
}
