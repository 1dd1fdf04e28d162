#include "Announcer.h"

#include <oleauto.h>

namespace form::win32 {

namespace {

// UI Automation's values, which older headers lack.
constexpr int kNotificationKindActionCompleted = 2;
constexpr int kNotificationProcessingImportantAll = 0;
// One stream of notifications: what each step of the quiz changed.
constexpr wchar_t kActivity[] = L"QuizStep";

// From the system folder only, so no file beside the program is loaded. It
// stays loaded until the process ends: a screen reader may hold one of its
// objects until COM is shut down, after the window is gone, and unloading
// it under that object would crash the program on its way out.
HMODULE Automation() {
    return LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

template <typename Fn>
Fn Function(HMODULE module, const char* name) {
    const FARPROC proc = module ? GetProcAddress(module, name) : nullptr;
    // Through void(*)(): the one function pointer type GCC lets stand for any.
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(proc));
}

// Owns a BSTR for the length of a call.
struct BString {
    explicit BString(const std::wstring& text)
        : value(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    ~BString() { SysFreeString(value); }
    BString(const BString&) = delete;
    BString& operator=(const BString&) = delete;
    BSTR value;
};

}  // namespace

Announcer::Announcer() {
    const HMODULE automation = Automation();
    hostProvider_ = Function<HostProviderFn>(automation, "UiaHostProviderFromHwnd");
    raiseNotification_ = Function<RaiseNotificationFn>(automation, "UiaRaiseNotificationEvent");
}

void Announcer::Say(HWND window, const std::wstring& words) const {
    if (!hostProvider_ || !raiseNotification_) return;
    IRawElementProviderSimple* provider = nullptr;
    if (FAILED(hostProvider_(window, &provider)) || !provider) return;
    const BString display(words);
    const BString activity(kActivity);
    raiseNotification_(provider, kNotificationKindActionCompleted,
                       kNotificationProcessingImportantAll, display.value, activity.value);
    provider->Release();
}

}  // namespace form::win32
