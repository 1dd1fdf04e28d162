#pragma once

#include <QPoint>
#include <QSize>
#include <Qt>
#include <random>
#include <string>

class QWidget;

namespace monkey {

// One random user action: a left click at a point of the window, or a key.
struct MonkeyEvent {
    enum class Kind { Click, Key };
    Kind kind = Kind::Click;
    QPoint at;  // window pixels, for a click
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers;
};

// Clicks land anywhere inside a window of the given size, on controls
// enabled or not and between them; keys are those a pupil might press.
MonkeyEvent RandomEvent(std::mt19937& random, QSize window);

// Delivers the event as the platform would: the toolkit itself finds the
// control under the pointer or the one with the keyboard focus.
void Send(const MonkeyEvent& event, QWidget& window);

// "click (12,340) on Option1_3", "key Shift+Tab": enough to replay by hand.
std::string Describe(const MonkeyEvent& event, const QWidget& window);

}  // namespace monkey
