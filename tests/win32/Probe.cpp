#include "Probe.h"

#include "window/win32/TextConversion.h"
#include "window/win32/WindowIds.h"

namespace {

constexpr DWORD kPollMs = 50;

std::wstring TextOf(HWND hwnd) {
    const auto length = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied = SendMessageW(hwnd, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                                     reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    const int length = GetClassNameW(hwnd, name, static_cast<int>(std::size(name)));
    return std::wstring(name, static_cast<std::size_t>(length));
}

}  // namespace

Probe::Probe(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    // Found once shown: before that its controls read as hidden.
    for (;;) {
        window_ = FindWindowW(form::win32::kWindowClassName, nullptr);
        if (window_ && IsWindowVisible(window_)) return;
        if (GetTickCount() - start >= timeoutMs) break;
        Sleep(kPollMs);
    }
    window_ = nullptr;
}

// A control in a frame is the frame's child.
HWND Probe::Control(form::ControlId id) const {
    const form::ControlId container = form::At(id).container;
    const HWND parent = container == form::kWindow ? window_ : Control(container);
    return GetDlgItem(parent, form::win32::ControlIdOf(id));
}

Probe::Reading Probe::Read(form::ControlId id) const {
    const HWND control = Control(id);
    Reading reading;
    reading.className = form::win32::Narrow(ClassOf(control));
    reading.text = form::win32::Narrow(TextOf(control));
    reading.style = GetWindowLongPtrW(control, GWL_STYLE);
    const auto type = reading.style & BS_TYPEMASK;
    if (reading.className == "Button" && type == BS_RADIOBUTTON)
        reading.checked = SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    reading.enabled = IsWindowEnabled(control) != FALSE;
    reading.visible = IsWindowVisible(control) != FALSE;
    GetWindowRect(control, &reading.rect);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&reading.rect), 2);
    return reading;
}

std::string Probe::Caption() const { return form::win32::Narrow(TextOf(window_)); }

SIZE Probe::ClientSize() const {
    RECT client{};
    GetClientRect(window_, &client);
    return {client.right, client.bottom};
}

// The dpi the test script set for this run, not the window's own reading:
// Wine at times reports another process's window at the system's default.
int Probe::Dpi() {
    const wchar_t* set = _wgetenv(L"QUIZ_DPI");
    return set ? _wtoi(set) : USER_DEFAULT_SCREEN_DPI;
}

HWND Probe::Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &info);
    return info.hwndFocus;
}

form::ControlId Probe::IdOf(HWND control) {
    const std::size_t row = form::win32::RowOfControlId(GetDlgCtrlID(control));
    return row < form::kControls.size() ? form::kControls[row].id : form::kWindow;
}

std::string Probe::Told() const {
    return form::win32::Narrow(TextOf(GetDlgItem(window_, form::win32::kAnnouncementId)));
}

POINT Probe::ScreenCentre(form::ControlId id) const {
    RECT rect{};
    GetWindowRect(Control(id), &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void Probe::Click(form::ControlId id) const { SendMessageW(Control(id), BM_CLICK, 0, 0); }

bool Probe::ClickAnswered(form::ControlId id, UINT timeoutMs) const {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(Control(id), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &result) !=
           0;
}

namespace {

// The control's accessible object, as a screen reader gets it; null if none.
IAccessible* AccessibleOf(HWND control) {
    IAccessible* object = nullptr;
    // __uuidof: MinGW's oleacc import library gives IID_IAccessible the
    // address of an import stub, not the interface id.
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object))))
        return nullptr;
    return object;
}

VARIANT Self() {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

}  // namespace

std::string Probe::AccessibleName(form::ControlId id) const {
    IAccessible* object = AccessibleOf(Control(id));
    if (!object) return "(no accessible object)";
    BSTR name = nullptr;
    const HRESULT result = object->get_accName(Self(), &name);
    object->Release();
    if (FAILED(result)) return "(no name)";
    const std::wstring text(name ? name : L"", name ? SysStringLen(name) : 0);
    SysFreeString(name);
    return form::win32::Narrow(text);
}

long Probe::AccessibleRole(form::ControlId id) const {
    IAccessible* object = AccessibleOf(Control(id));
    if (!object) return -1;
    VARIANT role{};
    const HRESULT result = object->get_accRole(Self(), &role);
    object->Release();
    return SUCCEEDED(result) && role.vt == VT_I4 ? role.lVal : -1;
}
