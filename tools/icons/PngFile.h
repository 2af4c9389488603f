// Writes RGBA pictures as PNG files (8 bits a channel, compressed with zlib).
#pragma once

#include <string>

#include "tools/icons/IconRaster.h"

namespace icons {

// The PNG file of image; throws std::runtime_error when compressing fails.
std::string encodePng(const RgbaImage& image);

}  // namespace icons
