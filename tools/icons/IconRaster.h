// Draws an icon design into an RGBA picture of any size, smoothing edges by sampling inside each pixel.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/icons/IconShape.h"

namespace icons {

struct RgbaImage {
    int size = 0;  // width and height in pixels
    std::vector<std::uint8_t>
        pixels;  // rows top to bottom, 4 bytes a pixel: red, green, blue, alpha (straight)
};

// The design drawn at size x size pixels.
RgbaImage rasterize(const IconDesign& design, int size);

}  // namespace icons
