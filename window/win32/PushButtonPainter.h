#pragma once

#include <windows.h>

namespace form::win32 {

// Paints an owner-drawn push button the classic way, but with its whole face
// in `face`: a raised edge (sunken while pressed), a dark frame and a focus
// rectangle while it has the focus, and the caption centred.
void PaintPushButton(const DRAWITEMSTRUCT& item, HBRUSH face);

}  // namespace form::win32
