#pragma once

#include <QWidget>
#include <array>

#include "quiz/QuizView.h"
#include "window/form/ArrowKeys.h"
#include "window/form/FormLayout.h"
#include "window/form/FormQuiz.h"
#include "window/form/OptionStates.h"

class Announcer;
class QAbstractButton;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;

// The quiz's one window: built from the form table, it owns the quiz and is
// its view. Each event of a control is one press of the quiz; where Tab and
// the arrow keys go, the editions' shared rules say.
//   MainWindow.cpp        the builder: the controls from the table
//   MainWindowEvents.cpp  the event wiring: signals, Tab and arrows to the quiz
//   MainWindowView.cpp    the quiz's view of the controls, what the rules read, and
//                         each control found by name
class MainWindow final : public QWidget, private quiz::QuizView, private form::OptionStates {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    // The controls, addressed as the form names them, or by what they do.
    [[nodiscard]] QWidget* Control(form::ControlId id) const;
    [[nodiscard]] QRadioButton* Option1(int i) const;
    [[nodiscard]] QRadioButton* Option2(int i) const;
    [[nodiscard]] QAbstractButton* Command1(int i) const;
    [[nodiscard]] QPlainTextEdit* FeedbackBox() const;
    [[nodiscard]] QLabel* RightCount() const;
    [[nodiscard]] QLabel* WrongCount() const;
    [[nodiscard]] QListWidget* ExplanationList() const;

protected:
    bool focusNextPrevChild(bool next) override;

private:
    // The builder.
    void BuildControls();
    QWidget* CreateControl(const form::Control& row, QWidget* parent);

    // The event wiring.
    void Wire();
    void Press(form::ControlId control);
    void MoveByArrow(form::ControlId from, form::Arrow arrow);

    // The quiz's view of the window.
    void SetNameChecked(quiz::PairIndex i, bool on) override;
    void SetPlaceChecked(quiz::PairIndex i, bool on) override;
    void SetNameEnabled(quiz::PairIndex i, bool on) override;
    void SetPlaceEnabled(quiz::PairIndex i, bool on) override;
    std::string GetFeedback() const override;
    void SetFeedback(const std::string& text) override;
    std::string GetExplanation(quiz::PairIndex i) const override;
    void SetRightCaption(const std::string& text) override;
    void SetWrongCaption(const std::string& text) override;

    // What the rules read of the option buttons.
    [[nodiscard]] form::OptionState Of(form::ControlId option) const override;
    [[nodiscard]] form::ControlId IdOf(const QWidget* widget) const;

    std::array<QWidget*, form::kControls.size()> controls_{};
    Announcer* announcer_;
    form::FormQuiz quiz_{*this};
};
