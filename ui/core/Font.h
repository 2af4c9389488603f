// A label's or button's font: face, pixel size, style and colour.
#pragma once

#include <string>

#include "base/Colour.h"

namespace ui {

inline constexpr const char* kGothicP = "ＭＳ Ｐゴシック";  // proportional gothic; IPAPGothic stands in
inline constexpr const char* kMinchoP = "ＭＳ Ｐ明朝";      // proportional serif; IPAPMincho stands in

struct Font {
    std::string face = kGothicP;
    int px = 12;  // height in pixels
    bool bold = false;
    bool italic = false;
    base::Colour colour = base::colours::Black;
    bool operator==(const Font&) const = default;
};

}  // namespace ui
