#pragma once

#include <uiautomationcore.h>
#include <windows.h>

#include <string>

namespace form::win32 {

// Tells a screen reader in words what a step of the quiz changed, so that it
// speaks a verdict and the counts without the pupil moving the focus: UI
// Automation's notification, where the system offers it (Windows 10 1709 and
// later). It is looked up at run time, so the program still starts without it.
class Announcer final {
public:
    Announcer();

    // Raised from `window`; each one is spoken, even the same words again.
    void Say(HWND window, const std::wstring& words) const;

private:
    using HostProviderFn = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
    using RaiseNotificationFn = HRESULT(WINAPI*)(IRawElementProviderSimple*, int, int, BSTR, BSTR);

    HostProviderFn hostProvider_ = nullptr;
    RaiseNotificationFn raiseNotification_ = nullptr;
};

}  // namespace form::win32
