#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// Assistive technology sees the quiz's top-level widget as an application
// window (a "frame"), which screen readers announce by its title; the toolkit
// would present a plain top-level widget as an unnamed filler. The announcer
// it sees as a notification.
QAccessibleInterface* WindowAccessible(const QString& className, QObject* object);
