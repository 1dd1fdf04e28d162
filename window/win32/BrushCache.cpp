#include "BrushCache.h"

#include <algorithm>

namespace form::win32 {

HBRUSH BrushCache::Get(COLORREF colour) {
    const auto it = std::find_if(brushes_.begin(), brushes_.end(),
                                 [colour](const auto& entry) { return entry.first == colour; });
    if (it != brushes_.end()) return it->second.get();
    brushes_.emplace_back(colour, GdiObject<HBRUSH>(CreateSolidBrush(colour)));
    return brushes_.back().second.get();
}

}  // namespace form::win32
