#include "WindowAccessibility.h"

#include <QAccessibleWidget>

#include "Announcer.h"
#include "MainWindow.h"

QAccessibleInterface* WindowAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(MainWindow::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}
