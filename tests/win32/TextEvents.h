#pragma once

#include <windows.h>

#include <vector>

// The accessibility events by which the quiz window tells a screen reader
// that a control's text changed, as a reader in another process gets them.
class TextEvents final {
public:
    // Listens to the name and value changes of the window's process.
    explicit TextEvents(HWND window);
    ~TextEvents();
    TextEvents(const TextEvents&) = delete;
    TextEvents& operator=(const TextEvents&) = delete;

    // How many `event`s the control's client object raised, once `expected`
    // have come or the wait is over.
    int Count(HWND control, DWORD event, int expected);

private:
    static void CALLBACK OnEvent(HWINEVENTHOOK hook, DWORD event, HWND hwnd, LONG object,
                                 LONG child, DWORD thread, DWORD time);
    [[nodiscard]] int Seen(HWND control, DWORD event) const;

    // Windows calls back without a context; events come to the listening
    // thread only, while it waits in Count.
    static thread_local TextEvents* listening_;

    HWINEVENTHOOK hook_ = nullptr;
    struct Event {
        HWND control;
        DWORD event;
    };
    std::vector<Event> seen_;
};
