#pragma once

#include <QWidget>

class QString;

// Tells a screen reader, in so many words, what a press of Check or Clear
// changed in the message box and the counts, while the focus stays on the
// button. It is never shown: a pupil who sees the window sees nothing new.
//
// Assistive technology knows it as a notification, and each message as that
// notification appearing with the message as its name, which Orca speaks
// wherever the focus is. The toolkit's own bridge (Qt 6.4) offers nothing
// more direct: it has no announcement event and no live regions, and its
// name and description change events carry the object, not the new text,
// which Orca 43 fails to read; a change away from the focus it ignores.
class Announcer final : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    void Say(const QString& message);
};
