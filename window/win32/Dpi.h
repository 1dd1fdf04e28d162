#pragma once

#include <windows.h>

// The dots-per-inch a window is shown at, and sizing a window for it. Both use
// the per-monitor functions where Windows has them (10 and later) and the
// system-wide setting on older versions.
namespace form::win32 {

int WindowDpi(HWND hwnd);

// The window rectangle whose client area is `client`, for the given style.
RECT WindowRectForClient(SIZE client, DWORD style, DWORD exStyle, int dpi);

}  // namespace form::win32
