#include "PopupCatcher.h"

#include <QApplication>
#include <QEvent>
#include <QMetaObject>
#include <QWidget>
#include <utility>

namespace monkey {

PopupCatcher::PopupCatcher() { qApp->installEventFilter(this); }

PopupCatcher::~PopupCatcher() { qApp->removeEventFilter(this); }

std::string PopupCatcher::TakeCaught() { return std::exchange(caught_, {}); }

bool PopupCatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->windowType() != Qt::Popup && !widget->isModal()) return false;
    caught_ += std::string(widget->metaObject()->className()) + " '" +
               widget->objectName().toStdString() + "' ";
    QMetaObject::invokeMethod(widget, &QWidget::close, Qt::QueuedConnection);
    return false;
}

}  // namespace monkey
