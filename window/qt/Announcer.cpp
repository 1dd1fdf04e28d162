#include "Announcer.h"

#include <QAccessible>

Announcer::Announcer(QWidget* parent) : QWidget(parent) { setVisible(false); }

// Only assistive technology hears the message; the widget stays hidden.
void Announcer::Say(const QString& message) {
    setAccessibleName(message);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(this, message);
    QAccessible::updateAccessibility(&announcement);
#else
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}
