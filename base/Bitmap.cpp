// Clipped filling of pixel rectangles.
#include "base/Bitmap.h"

#include <algorithm>

namespace base {

void Bitmap::fill(int x1, int y1, int x2, int y2, Colour c) {
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, width_);
    y2 = std::min(y2, height_);
    if (x1 >= x2 || y1 >= y2) return;
    const std::uint32_t v = c.argb();
    for (int y = y1; y < y2; ++y) {
        std::uint32_t* row = pixels_.data() + static_cast<std::size_t>(y) * width_;
        std::fill(row + x1, row + x2, v);
    }
}

}  // namespace base
