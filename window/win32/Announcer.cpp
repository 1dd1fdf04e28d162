#include "Announcer.h"

#include <oleauto.h>

#include "TextConversion.h"

namespace form::win32 {

namespace {

// UI Automation's values, which older headers lack.
constexpr int kNotificationKindActionCompleted = 2;
constexpr int kNotificationProcessingImportantAll = 0;
constexpr int kNotificationProcessingMostRecent = 3;

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

// From the system folder only, so no file beside the program is loaded.
Announcer::Announcer()
    : automation_(LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)),
      hostProvider_(Function<HostProviderFn>(automation_, "UiaHostProviderFromHwnd")),
      raiseNotification_(Function<RaiseNotificationFn>(automation_, "UiaRaiseNotificationEvent")) {}

Announcer::~Announcer() {
    if (automation_) FreeLibrary(automation_);
}

void Announcer::ValueChanged(HWND control, const std::wstring& text) const {
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
    Notify(control, text, kNotificationProcessingImportantAll);
}

void Announcer::NameChanged(HWND control, const std::wstring& text) const {
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
    Notify(control, text, kNotificationProcessingMostRecent);
}

void Announcer::Notify(HWND control, const std::wstring& text, int processing) const {
    if (!hostProvider_ || !raiseNotification_) return;
    IRawElementProviderSimple* provider = nullptr;
    if (FAILED(hostProvider_(control, &provider)) || !provider) return;
    // The control's own id tells one stream of notifications from the other.
    const BString display(text);
    const BString activity(std::to_wstring(GetDlgCtrlID(control)));
    raiseNotification_(provider, kNotificationKindActionCompleted, processing, display.value,
                       activity.value);
    provider->Release();
}

}  // namespace form::win32
