#include "FittingLabel.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>

#include "TextConversion.h"

namespace form::win32 {

int TextWidth(HDC dc, HFONT font, const std::wstring& text) {
    const HGDIOBJ previous = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    return size.cx;
}

namespace {

// The font scaled down by the overshoot, then a pixel at a time: glyph
// widths do not shrink exactly in step with the height.
GdiObject<HFONT> SmallerFont(HDC dc, HFONT formFont, const std::wstring& text, int available,
                             int needed) {
    LOGFONTW logFont{};
    GetObjectW(formFont, sizeof logFont, &logFont);
    GdiObject<HFONT> font;
    for (int pixels = MulDiv(std::abs(logFont.lfHeight), available, needed);; --pixels) {
        logFont.lfHeight = -std::max(pixels, 1);
        font.reset(CreateFontIndirectW(&logFont));
        if (pixels <= 1 || TextWidth(dc, font.get(), text) <= available) return font;
    }
}

}  // namespace

void FittingLabel::Fit(HWND label, HFONT formFont) {
    RECT client{};
    GetClientRect(label, &client);
    const std::wstring text = WindowText(label);
    const HDC dc = GetDC(label);
    const int needed = TextWidth(dc, formFont, text);
    GdiObject<HFONT> smaller;
    if (needed > client.right) smaller = SmallerFont(dc, formFont, text, client.right, needed);
    ReleaseDC(label, dc);
    const HFONT font = smaller ? smaller.get() : formFont;
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    smaller_ = std::move(smaller);  // only now is the old one no longer in use
}

}  // namespace form::win32
