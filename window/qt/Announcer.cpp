#include "Announcer.h"

#include <QAccessible>

Announcer::Announcer(QWidget* parent) : QWidget(parent) { setVisible(false); }

// Only assistive technology hears of the appearing; the widget stays hidden.
void Announcer::Say(const QString& message) {
    setAccessibleName(message);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
