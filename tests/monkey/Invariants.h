#pragma once

#include <QSize>
#include <string>

class MainWindow;

namespace monkey {

// What must hold after every user action, whatever it was. Returns the
// first rule the window breaks, or an empty string when it keeps them all.
std::string BrokenRule(const MainWindow& window, QSize openedSize);

}  // namespace monkey
