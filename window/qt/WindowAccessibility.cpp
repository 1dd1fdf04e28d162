#include "WindowAccessibility.h"

#include <QAccessibleWidget>

#include "MainWindow.h"

QAccessibleInterface* MainWindowAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String(MainWindow::staticMetaObject.className())) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}
