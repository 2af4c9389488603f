// Rectangles in pixels: left, top, width, height.
#pragma once

namespace ui {

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    constexpr bool operator==(const Rect&) const = default;
};

}  // namespace ui
