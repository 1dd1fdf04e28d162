#include "Dpi.h"

namespace form::win32 {

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

// Looked up by name so the program still starts on Windows 7 and 8.
template <typename Fn>
Fn User32Function(const char* name) {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    const FARPROC proc = user32 ? GetProcAddress(user32, name) : nullptr;
    // Through void(*)(): the one function pointer type GCC lets stand for any.
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(proc));
}

int SystemDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

}  // namespace

int WindowDpi(HWND hwnd) {
    const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    return getDpiForWindow ? static_cast<int>(getDpiForWindow(hwnd)) : SystemDpi();
}

RECT WindowRectForClient(SIZE client, DWORD style, DWORD exStyle, int dpi) {
    const auto adjustForDpi =
        User32Function<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    RECT rect{0, 0, client.cx, client.cy};
    if (adjustForDpi)
        adjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi));
    else
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    return rect;
}

}  // namespace form::win32
