// Rectangles in pixels: left, top, width, height.
#pragma once

#include <algorithm>

namespace ui {

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    constexpr bool operator==(const Rect&) const = default;
    constexpr bool empty() const { return width <= 0 || height <= 0; }
    constexpr int right() const { return left + width; }   // exclusive
    constexpr int bottom() const { return top + height; }  // exclusive
};

// Whether a and b share a pixel.
constexpr bool overlap(const Rect& a, const Rect& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

// The smallest rectangle holding both (an empty one adds nothing).
constexpr Rect joined(const Rect& a, const Rect& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    const int left = std::min(a.left, b.left), top = std::min(a.top, b.top);
    return Rect{left, top, std::max(a.right(), b.right()) - left, std::max(a.bottom(), b.bottom()) - top};
}

// The part of area inside a width x height picture (empty when none).
constexpr Rect clipped(const Rect& area, int width, int height) {
    const int left = std::max(area.left, 0), top = std::max(area.top, 0);
    const int right = std::min(area.right(), width), bottom = std::min(area.bottom(), height);
    return right > left && bottom > top ? Rect{left, top, right - left, bottom - top} : Rect{};
}

}  // namespace ui
