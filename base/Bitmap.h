// A 32-bit RGB pixel buffer (0xFFRRGGBB per pixel, rows top to bottom) that canvases draw into.
#pragma once

#include <cstdint>
#include <vector>

#include "base/Colour.h"

namespace base {

class Bitmap {
  public:
    Bitmap() = default;
    Bitmap(int width, int height, Colour fill = colours::White)
        : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill.argb()) {}

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return pixels_.empty(); }
    std::uint32_t* data() { return pixels_.data(); }
    const std::uint32_t* data() const { return pixels_.data(); }

    std::uint32_t pixel(int x, int y) const {
        return contains(x, y) ? pixels_[static_cast<std::size_t>(y) * width_ + x] : 0;
    }
    Colour colourAt(int x, int y) const {
        const std::uint32_t p = pixel(x, y);
        return {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                static_cast<std::uint8_t>(p)};
    }
    void setPixel(int x, int y, Colour c) {
        if (contains(x, y)) pixels_[static_cast<std::size_t>(y) * width_ + x] = c.argb();
    }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Fills [x1, x2) x [y1, y2), clipped to the bitmap.
    void fill(int x1, int y1, int x2, int y2, Colour c);

  private:
    int width_ = 0, height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace base
