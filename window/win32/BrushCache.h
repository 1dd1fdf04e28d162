#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "GdiObject.h"

namespace form::win32 {

// One solid brush per colour, made on first use and kept while the window
// lives: the colour messages hand brushes to controls that paint later.
class BrushCache final {
public:
    HBRUSH Get(COLORREF colour);

private:
    std::vector<std::pair<COLORREF, GdiObject<HBRUSH>>> brushes_;
};

}  // namespace form::win32
