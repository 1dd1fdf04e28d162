#pragma once

#include <oleacc.h>
#include <windows.h>

#include <string>

#include "window/form/FormLayout.h"

// The quiz window as another program sees it: found by its class name, its
// controls by their ids, read and clicked only through window messages.
class Probe final {
public:
    struct Reading {
        std::string className;
        std::string text;  // UTF-8
        LONG_PTR style = 0;
        bool checked = false;
        bool enabled = false;
        bool visible = false;
        RECT rect{};  // in the window's client area
    };

    // Waits up to `timeoutMs` for the window to be shown; Handle() is null if it
    // never was.
    explicit Probe(DWORD timeoutMs);

    [[nodiscard]] HWND Handle() const { return window_; }
    [[nodiscard]] HWND Control(form::ControlId id) const;
    [[nodiscard]] Reading Read(form::ControlId id) const;
    [[nodiscard]] std::string Caption() const;
    [[nodiscard]] SIZE ClientSize() const;
    [[nodiscard]] static int Dpi();
    [[nodiscard]] HWND Focus() const;
    // The table's name of a control of the quiz window; kWindow for any other.
    [[nodiscard]] static form::ControlId IdOf(HWND control);
    // What the window last told a screen reader.
    [[nodiscard]] std::string Told() const;
    // What a screen reader reads: the control's accessible name and role, as
    // its accessible object answers from the window's process.
    [[nodiscard]] std::string AccessibleName(form::ControlId id) const;
    [[nodiscard]] long AccessibleRole(form::ControlId id) const;
    // The centre of a control in screen pixels, for a real mouse click.
    [[nodiscard]] POINT ScreenCentre(form::ControlId id) const;

    // A click as the control would take it from the mouse, answered before
    // this returns. Under Wine it also reaches a disabled button.
    void Click(form::ControlId id) const;
    // A click that must be answered within `timeoutMs`; false if it was not.
    [[nodiscard]] bool ClickAnswered(form::ControlId id, UINT timeoutMs) const;

private:
    HWND window_ = nullptr;
};
