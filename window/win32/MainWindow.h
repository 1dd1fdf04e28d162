#pragma once

#include <windows.h>

#include <array>
#include <cstddef>

#include "Announcer.h"
#include "BrushCache.h"
#include "FittingLabel.h"
#include "GdiObject.h"
#include "quiz/QuizView.h"
#include "window/form/ArrowKeys.h"
#include "window/form/FormLayout.h"
#include "window/form/FormQuiz.h"
#include "window/form/OptionStates.h"

// The quiz's one window: built from the form table, it owns the quiz and is
// its view. Each notification of a control is one press of the quiz; where
// Tab and the arrow keys go, the editions' shared rules say.
//   MainWindow.cpp        the builder: the controls from the table, laid out at a dpi
//   MainWindowEvents.cpp  the event wiring: the messages, the keyboard and the focus,
//                         and what they mean to the quiz
//   MainWindowPaint.cpp   the colours and the push buttons' faces
//   MainWindowView.cpp    the quiz's view of the controls, what the rules read, and
//                         each control found by name
class MainWindow final : private quiz::QuizView, private form::OptionStates {
public:
    static bool Register(HINSTANCE instance);

    // Creates the window hidden; Handle() is null if that failed.
    explicit MainWindow(HINSTANCE instance);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    [[nodiscard]] HWND Handle() const { return hwnd_; }
    void Show(int showCommand) const;

    // Whether a message for `hwnd` is this window's to answer.
    [[nodiscard]] bool Owns(HWND hwnd) const;
    // Tab, or Shift+Tab when `backwards`, which the message loop hands over
    // before the dialog keys see it.
    void Tab(bool backwards);

private:
    // The builder.
    void BuildControls();
    void ApplyDpi(int dpi);
    [[nodiscard]] SIZE WindowSize(int dpi) const;
    void CentreOnScreen();
    void OnDpiChanged(int dpi, const RECT& suggested);

    // The event wiring, the keyboard and the focus.
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ControlProcedure(HWND control, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR id, DWORD_PTR window);
    void OnCreate();
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnOptionMessage(HWND button, UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int code, HWND control);
    void MoveByArrow(HWND from, form::Arrow arrow);
    void Pick(form::ControlId option);
    void Press(form::ControlId control);
    void OnActivate(bool active);

    // The painting.
    HBRUSH OnControlColour(HDC dc, HWND control);
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    void OnEraseBackground(HDC dc);

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

    void SetChecked(form::ControlId id, bool on);
    void SetEnabled(form::ControlId id, bool on);
    void SetCaption(form::ControlId label, const std::string& text);
    void MarkTabStops();

    // What the rules read of the option buttons.
    [[nodiscard]] form::OptionState Of(form::ControlId option) const override;

    // Each control by its name in the table, and by its window.
    [[nodiscard]] HWND Control(form::ControlId id) const;
    [[nodiscard]] std::size_t RowOf(HWND control) const;
    [[nodiscard]] form::ControlId IdOf(HWND control) const;

    HWND hwnd_ = nullptr;
    std::array<HWND, form::kControls.size()> controls_{};  // by table row
    HWND announcement_ = nullptr;  // hidden: what a screen reader was last told
    form::win32::GdiObject<HFONT> font_;
    form::win32::BrushCache brushes_;
    std::array<form::win32::FittingLabel, form::kControls.size()>
        fitting_{};  // those that fit theirs
    form::win32::Announcer announcer_;
    HWND focus_ = nullptr;     // the control to give the focus back to
    HWND arriving_ = nullptr;  // an option button that is being given the focus
    form::FormQuiz quiz_{*this};
};
