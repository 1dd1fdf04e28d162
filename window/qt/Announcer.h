#pragma once

#include <QWidget>

class QString;

// Tells a screen reader in words what a step of the quiz changed away from
// the focus, such as the verdict in the message box while the focus stays on
// Check. It is never shown: a pupil who sees the window sees nothing new.
//
// Assistive technology knows it as a notification, and each message as that
// notification appearing with the message as its name; Orca speaks such a
// notification wherever the focus is. The toolkit's bridge (Qt 6.4) offers
// nothing more direct: no announcement event, no live regions, and name or
// description change events that carry the object instead of the new text,
// which Orca 43 cannot read. Orca also passes over changes away from the
// focus, such as a new text in the message box.
class Announcer final : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    void Say(const QString& message);
};
