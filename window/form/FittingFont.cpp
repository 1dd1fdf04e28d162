#include "FittingFont.h"

#include <algorithm>
#include <cmath>

namespace form {

int FittingPixels(int formPixels, double room, const CaptionWidth& widthAt) {
    const double needed = widthAt(formPixels);
    if (needed <= room) return formPixels;
    int pixels = std::max(1, static_cast<int>(std::floor(formPixels * room / needed)));
    while (pixels > 1 && widthAt(pixels) > room) --pixels;
    while (pixels + 1 < formPixels && widthAt(pixels + 1) <= room) ++pixels;
    return pixels;
}

}  // namespace form
