#pragma once

#include <QWidget>

class QString;

// Tells a screen reader in words what a step of the quiz changed away from
// the focus, such as the verdict in the message box while the focus stays on
// Check. It is never shown: a pupil who sees the window sees nothing new.
// Its accessible name is always the last message said.
//
// From Qt 6.8 on, each message is an announcement, the toolkit's own event
// for words a screen reader speaks wherever the focus is. Qt 6.4 offers no
// such event, no live regions, and name or description change events that
// carry the object instead of the new text, which Orca 43 cannot read; there
// assistive technology knows the widget as a notification, and each message
// as that notification appearing with the message as its name, which Orca
// speaks wherever the focus is. Orca passes over changes away from the
// focus, such as a new text in the message box.
class Announcer final : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    void Say(const QString& message);
};
