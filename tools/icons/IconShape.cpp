// Inside tests of the icon shapes.
#include "tools/icons/IconShape.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace icons {

IconShape IconShape::rect(double x, double y, double w, double h, double radius, Paint paint) {
    return {.kind = Kind::Rect,
            .x = x,
            .y = y,
            .w = w,
            .h = h,
            .radius = std::min({radius, w / 2, h / 2}),
            .points = {},
            .paint = paint};
}

IconShape IconShape::circle(double cx, double cy, double radius, Paint paint) {
    return {.kind = Kind::Circle, .x = cx, .y = cy, .radius = radius, .points = {}, .paint = paint};
}

IconShape IconShape::polygon(std::vector<Point> points, Paint paint) {
    return {.kind = Kind::Polygon, .points = std::move(points), .paint = paint};
}

bool IconShape::contains(double px, double py) const {
    switch (kind) {
        case Kind::Rect: {
            if (px < x || px >= x + w || py < y || py >= y + h) return false;
            // Distance past the nearest corner's centre, when the point lies in a corner square.
            const double cx = std::clamp(px, x + radius, x + w - radius);
            const double cy = std::clamp(py, y + radius, y + h - radius);
            return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= radius * radius;
        }
        case Kind::Circle:
            return (px - x) * (px - x) + (py - y) * (py - y) <= radius * radius;
        case Kind::Polygon: {
            bool inside = false;
            for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
                const Point& a = points[i];
                const Point& b = points[j];
                if ((a.y > py) != (b.y > py) && px < (b.x - a.x) * (py - a.y) / (b.y - a.y) + a.x)
                    inside = !inside;
            }
            return inside;
        }
    }
    return false;
}

}  // namespace icons
