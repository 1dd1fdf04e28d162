#include "FittingLabel.h"

#include <cstdlib>
#include <string>
#include <utility>

#include "TextConversion.h"
#include "window/form/FittingFont.h"

namespace form::win32 {

int TextWidth(HDC dc, HFONT font, const std::wstring& text) {
    const HGDIOBJ previous = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    return size.cx;
}

namespace {

// The form's font at another height in pixels.
GdiObject<HFONT> Resized(LOGFONTW logFont, int pixels) {
    logFont.lfHeight = -pixels;
    return GdiObject<HFONT>(CreateFontIndirectW(&logFont));
}

}  // namespace

void FittingLabel::Fit(HWND label, HFONT formFont) {
    RECT client{};
    GetClientRect(label, &client);
    const std::wstring text = WindowText(label);
    LOGFONTW logFont{};
    GetObjectW(formFont, sizeof logFont, &logFont);
    const int formPixels = std::abs(logFont.lfHeight);
    const HDC dc = GetDC(label);
    const int pixels = form::FittingPixels(formPixels, client.right, [&](int size) {
        return TextWidth(dc, size == formPixels ? formFont : Resized(logFont, size).get(), text);
    });
    ReleaseDC(label, dc);
    GdiObject<HFONT> smaller = pixels < formPixels ? Resized(logFont, pixels) : nullptr;
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(smaller ? smaller.get() : formFont),
                 TRUE);
    smaller_ = std::move(smaller);  // only now is the old one no longer in use
}

}  // namespace form::win32
