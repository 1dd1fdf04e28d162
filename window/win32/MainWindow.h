#pragma once

#include <windows.h>

#include <array>
#include <cstddef>

#include "Announcer.h"
#include "BrushCache.h"
#include "FittingLabel.h"
#include "GdiObject.h"
#include "quiz/QuizState.h"
#include "quiz/QuizView.h"
#include "window/FormLayout.h"

// The quiz's one window: built from the form table, it owns the quiz state
// and is its view. Each notification of a control is one call into the quiz.
class MainWindow final : private quiz::QuizView {
public:
    static bool Register(HINSTANCE instance);

    // Creates the window hidden; Handle() is null if that failed.
    explicit MainWindow(HINSTANCE instance);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    [[nodiscard]] HWND Handle() const { return hwnd_; }
    void Show(int showCommand) const;

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ControlProcedure(HWND control, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR id, DWORD_PTR window);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnOptionMessage(HWND button, UINT message, WPARAM wParam, LPARAM lParam);

    void OnCreate();
    void OnCommand(int id, int code, HWND control);
    HBRUSH OnControlColour(HDC dc, HWND control);
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    void OnDpiChanged(int dpi, const RECT& suggested);
    void OnEraseBackground(HDC dc);
    void OnActivate(bool active);
    void OnNextControl(WPARAM wParam, LPARAM lParam);

    void CreateControls();
    void ApplyDpi(int dpi);
    [[nodiscard]] SIZE WindowSize(int dpi) const;
    void CentreOnScreen();
    void PressPushButton(int index);
    void Pick(form::ControlId option);
    void MoveByRow(HWND from, bool down);
    void RefreshTabStop(form::ControlId frame);
    [[nodiscard]] HWND TabStopOf(form::ControlId frame) const;
    void ArrangeTabOrder();

    [[nodiscard]] HWND Control(form::ControlId id) const;
    [[nodiscard]] std::size_t RowOf(HWND control) const;

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

    HWND hwnd_ = nullptr;
    std::array<HWND, form::kControls.size()> controls_{};  // by table row
    form::win32::GdiObject<HFONT> font_;
    form::win32::BrushCache brushes_;
    std::array<form::win32::FittingLabel, form::kControls.size()> fitting_{};  // labels use theirs
    form::win32::Announcer announcer_;
    HWND focus_ = nullptr;     // the control to give the focus back to
    HWND arriving_ = nullptr;  // an option button that is being given the focus
    quiz::QuizState state_{*this};
};
