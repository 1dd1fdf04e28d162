#include "FrameBox.h"

#include <qdrawutil.h>

#include <QPainter>
#include <QStyle>

namespace {

constexpr int kCaptionInset = 6;  // the caption stands clear of the corner
constexpr int kLineWidth = 2;     // an etched line: one dark, one light

}  // namespace

FrameBox::FrameBox(const QString& caption, QWidget* parent) : QGroupBox(parent), caption_(caption) {
    setAccessibleName(caption);
}

void FrameBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int lineTop = metrics.height() / 2;
    const QRect frame(0, lineTop, width(), height() - lineTop);
    painter.fillRect(frame, palette().window());
    qDrawShadeRect(&painter, frame, palette(), /*sunken=*/true, kLineWidth / 2);

    const QRect caption(kCaptionInset, 0, metrics.horizontalAdvance(caption_), metrics.height());
    // Break the line behind the caption, and nothing above it.
    painter.fillRect(QRect(caption.left(), lineTop, caption.width(), kLineWidth),
                     palette().window());
    style()->drawItemText(&painter, caption, Qt::AlignLeft | Qt::AlignVCenter, palette(),
                          isEnabled(), caption_, QPalette::WindowText);
}
