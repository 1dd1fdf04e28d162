#pragma once

#include <QWidget>
#include <array>

#include "quiz/QuizState.h"
#include "quiz/QuizView.h"
#include "window/FormLayout.h"

class QAbstractButton;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;

// The quiz's one window: built from the form table, it owns the quiz state
// and is its view. Each event of a control is one call into the quiz.
class MainWindow final : public QWidget, private quiz::QuizView {
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

    [[nodiscard]] const quiz::QuizState& State() const { return state_; }

private:
    void BuildControls();
    QWidget* CreateControl(const form::Control& row, QWidget* parent);
    void ApplyTabOrder();
    void KeepGroupReachable(form::ControlId frame);
    void Wire();

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

    std::array<QWidget*, form::kControls.size()> controls_{};
    quiz::QuizState state_{*this};
};
