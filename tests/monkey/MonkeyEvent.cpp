#include "MonkeyEvent.h"

#include <QKeySequence>
#include <QTest>
#include <QWidget>
#include <array>

namespace monkey {

namespace {

struct KeyChoice {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

// No right button and no menu key: those open a context menu, which the
// monkey could only close again by chance.
constexpr std::array kNamedKeys{
    KeyChoice{Qt::Key_Tab, Qt::NoModifier},   KeyChoice{Qt::Key_Tab, Qt::ShiftModifier},
    KeyChoice{Qt::Key_Up, Qt::NoModifier},    KeyChoice{Qt::Key_Down, Qt::NoModifier},
    KeyChoice{Qt::Key_Left, Qt::NoModifier},  KeyChoice{Qt::Key_Right, Qt::NoModifier},
    KeyChoice{Qt::Key_Space, Qt::NoModifier}, KeyChoice{Qt::Key_Return, Qt::NoModifier},
    KeyChoice{Qt::Key_Enter, Qt::NoModifier}, KeyChoice{Qt::Key_Escape, Qt::NoModifier},
};
constexpr int kLetters = Qt::Key_Z - Qt::Key_A + 1;

int Uniform(std::mt19937& random, int lowest, int highest) {
    return std::uniform_int_distribution<int>(lowest, highest)(random);
}

KeyChoice RandomKey(std::mt19937& random) {
    // A letter is one choice among the named keys, so that letters, which
    // the quiz ignores, do not crowd out the keys it answers.
    const int choice = Uniform(random, 0, static_cast<int>(kNamedKeys.size()));
    if (choice < static_cast<int>(kNamedKeys.size()))
        return kNamedKeys[static_cast<std::size_t>(choice)];
    return {static_cast<Qt::Key>(Qt::Key_A + Uniform(random, 0, kLetters - 1)), Qt::NoModifier};
}

}  // namespace

MonkeyEvent RandomEvent(std::mt19937& random, QSize window) {
    MonkeyEvent event;
    if (Uniform(random, 0, 1) == 0) {
        event.at = {Uniform(random, 0, window.width() - 1),
                    Uniform(random, 0, window.height() - 1)};
        return event;
    }
    const KeyChoice key = RandomKey(random);
    event.kind = MonkeyEvent::Kind::Key;
    event.key = key.key;
    event.modifiers = key.modifiers;
    return event;
}

void Send(const MonkeyEvent& event, QWidget& window) {
    QWindow* handle = window.windowHandle();
    if (event.kind == MonkeyEvent::Kind::Click)
        QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, event.at);
    else
        QTest::keyClick(handle, event.key, event.modifiers);
}

std::string Describe(const MonkeyEvent& event, const QWidget& window) {
    if (event.kind == MonkeyEvent::Kind::Key) {
        const QKeySequence keys(event.key | event.modifiers);
        return "key " + keys.toString().toStdString();
    }
    // The nearest named control: a text box's viewport or scroll bar has no name.
    const QWidget* under = window.childAt(event.at);
    while (under && under->objectName().isEmpty()) under = under->parentWidget();
    const QString name = under ? under->objectName() : QStringLiteral("the window");
    return "click (" + std::to_string(event.at.x()) + "," + std::to_string(event.at.y()) + ") on " +
           name.toStdString();
}

}  // namespace monkey
