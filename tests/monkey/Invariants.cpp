#include "Invariants.h"

#include <QApplication>
#include <QLabel>
#include <QRadioButton>

#include "quiz/QuizState.h"
#include "quiz/QuizTexts.h"
#include "window/FormLayout.h"
#include "window/qt/MainWindow.h"

namespace monkey {

namespace {

std::string Name(const QWidget* widget) { return widget->objectName().toStdString(); }

bool IsPickOrNone(quiz::PairIndex pick) { return pick == quiz::kNoPick || quiz::IsPair(pick); }

std::string PicksRule(const quiz::QuizState& state) {
    if (!IsPickOrNone(state.PickedName()))
        return "picked name " + std::to_string(state.PickedName());
    if (!IsPickOrNone(state.PickedPlace()))
        return "picked place " + std::to_string(state.PickedPlace());
    return {};
}

// Option1(i) and Option2(i) carry the two halves of pair i, whichever rows
// they are shown on; the quiz finishes both or neither.
std::string PairsRule(const MainWindow& window) {
    for (int i = 0; i < quiz::kPairCount; ++i) {
        const QRadioButton* name = window.Option1(i);
        const QRadioButton* place = window.Option2(i);
        if (name->isEnabled() != place->isEnabled())
            return Name(name) + " and " + Name(place) + " differ in being enabled";
        if (!name->isEnabled() && (name->isChecked() || place->isChecked()))
            return "finished pair " + std::to_string(i) + " is still checked";
    }
    return {};
}

QString Caption(std::string_view prefix, std::int64_t count) {
    return QString::fromStdString(std::string(prefix) + quiz::QuizState::FormatCount(count));
}

std::string CountsRule(const MainWindow& window) {
    const quiz::QuizState& state = window.State();
    if (window.RightCount()->text() != Caption(quiz::text::RightPrefix, state.RightCount()))
        return "right count caption '" + window.RightCount()->text().toStdString() + "'";
    if (window.WrongCount()->text() != Caption(quiz::text::WrongPrefix, state.WrongCount()))
        return "wrong count caption '" + window.WrongCount()->text().toStdString() + "'";
    return {};
}

// Every control shows or hides as the table says; the hidden text box and
// list must never come up.
std::string VisibilityRule(const MainWindow& window) {
    for (const form::Control& row : form::kControls) {
        const QWidget* widget = window.Control(row.id);
        if (widget->isVisible() != row.visible)
            return Name(widget) + (row.visible ? " was hidden" : " became visible");
    }
    return {};
}

std::string WindowRule(const MainWindow& window, QSize openedSize) {
    if (!window.isVisible()) return "the window closed";
    if (window.size() != openedSize) return "the window changed its size";
    if (const QWidget* popup = QApplication::activePopupWidget())
        return "a popup is open: " + Name(popup);
    if (const QWidget* modal = QApplication::activeModalWidget())
        return "a dialog is open: " + Name(modal);
    return {};
}

// The keyboard focus is on something the pupil can see and use, or nowhere.
std::string FocusRule() {
    const QWidget* focus = QApplication::focusWidget();
    if (focus && !(focus->isVisible() && focus->isEnabled()))
        return "the focus is on " + Name(focus) + ", which is hidden or disabled";
    return {};
}

}  // namespace

std::string BrokenRule(const MainWindow& window, QSize openedSize) {
    for (const std::string& broken :
         {PicksRule(window.State()), PairsRule(window), CountsRule(window), VisibilityRule(window),
          WindowRule(window, openedSize), FocusRule()})
        if (!broken.empty()) return broken;
    return {};
}

}  // namespace monkey
