#pragma once

#include <uiautomationcore.h>
#include <windows.h>

#include <string>

namespace form::win32 {

// Tells assistive technology that a control's text changed, so that a screen
// reader speaks a verdict or a count without the pupil moving the focus: the
// accessibility event every Windows has, and UI Automation's notification
// where the system offers it (Windows 10 1709 and later). That one is looked
// up at run time, so the program still starts without it.
class Announcer final {
public:
    Announcer();
    ~Announcer();
    Announcer(const Announcer&) = delete;
    Announcer& operator=(const Announcer&) = delete;

    // A text box's new text, its value: each one is spoken.
    void ValueChanged(HWND control, const std::wstring& text) const;
    // A label's new caption, its name: only the latest one is spoken.
    void NameChanged(HWND control, const std::wstring& text) const;

private:
    using HostProviderFn = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
    using RaiseNotificationFn = HRESULT(WINAPI*)(IRawElementProviderSimple*, int, int, BSTR, BSTR);

    void Notify(HWND control, const std::wstring& text, int processing) const;

    HMODULE automation_ = nullptr;
    HostProviderFn hostProvider_ = nullptr;
    RaiseNotificationFn raiseNotification_ = nullptr;
};

}  // namespace form::win32
