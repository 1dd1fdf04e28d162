#pragma once

#include <windows.h>

#include <string>

#include "GdiObject.h"

namespace form::win32 {

// The width of a line of text in a font, in pixels.
int TextWidth(HDC dc, HFONT font, const std::wstring& text);

// Keeps a label's caption from running past its edges: a caption wider than
// the label, such as a count that has grown to several digits, is shown in a
// font just small enough to fit. Captions that fit keep the form's font.
class FittingLabel final {
public:
    // Gives `label` the largest font, up to `formFont`, in which its caption
    // fits on one line.
    void Fit(HWND label, HFONT formFont);

private:
    GdiObject<HFONT> smaller_;  // while the label needs one
};

}  // namespace form::win32
