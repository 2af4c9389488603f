// Writes an icon design as a scalable SVG picture with the same shapes.
#pragma once

#include <string>

#include "tools/icons/IconShape.h"

namespace icons {

// The SVG document of design, 64 x 64 user units.
std::string encodeSvg(const IconDesign& design);

}  // namespace icons
