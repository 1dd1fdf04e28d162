#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// The quiz speaks UTF-8, Windows speaks UTF-16.
namespace form::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// The whole text of a window or control.
std::wstring WindowText(HWND hwnd);

}  // namespace form::win32
