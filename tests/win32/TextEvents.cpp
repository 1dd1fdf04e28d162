#include "TextEvents.h"

#include <algorithm>

namespace {

constexpr DWORD kWaitMs = 5000;
constexpr DWORD kPollMs = 20;

}  // namespace

thread_local TextEvents* TextEvents::listening_ = nullptr;

TextEvents::TextEvents(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    listening_ = this;
    hook_ = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr,
                            &TextEvents::OnEvent, process, 0, WINEVENT_OUTOFCONTEXT);
}

TextEvents::~TextEvents() {
    if (hook_) UnhookWinEvent(hook_);
    listening_ = nullptr;
}

void CALLBACK TextEvents::OnEvent(HWINEVENTHOOK /*hook*/, DWORD event, HWND hwnd, LONG object,
                                  LONG child, DWORD /*thread*/, DWORD /*time*/) {
    if (listening_ && object == OBJID_CLIENT && child == CHILDID_SELF)
        listening_->seen_.push_back({hwnd, event});
}

int TextEvents::Seen(HWND control, DWORD event) const {
    return static_cast<int>(std::count_if(seen_.begin(), seen_.end(), [&](const Event& e) {
        return e.control == control && e.event == event;
    }));
}

int TextEvents::Count(HWND control, DWORD event, int expected) {
    for (DWORD waited = 0; waited < kWaitMs && Seen(control, event) < expected; waited += kPollMs) {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_ALLINPUT);
    }
    return Seen(control, event);
}
