#pragma once

#include <windows.h>

#include <array>
#include <cstddef>

#include "BrushCache.h"
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
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

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
    void RefreshTabStop(form::ControlId frame);

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

    HWND hwnd_ = nullptr;
    std::array<HWND, form::kControls.size()> controls_{};  // by table row
    form::win32::GdiObject<HFONT> font_;
    form::win32::BrushCache brushes_;
    HWND focus_ = nullptr;  // the control to give the focus back to
    quiz::QuizState state_{*this};
};
