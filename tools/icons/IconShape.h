// The shapes an icon is drawn from, in design units of a 64 x 64 square, with a colour and opacity each.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace icons {

struct Point {
    double x = 0, y = 0;
};

struct Paint {
    std::uint8_t r = 0, g = 0, b = 0;
    double opacity = 1.0;  // 0..1
};

// A rounded rectangle (radius 0: square corners), a circle, or a polygon (even-odd filling).
struct IconShape {
    enum class Kind { Rect, Circle, Polygon } kind = Kind::Rect;
    double x = 0, y = 0, w = 0, h = 0, radius = 0;  // Rect: corner and size; Circle: centre (x, y) and radius
    std::vector<Point> points;                      // Polygon only
    Paint paint;

    static IconShape rect(double x, double y, double w, double h, double radius, Paint paint);
    static IconShape circle(double cx, double cy, double radius, Paint paint);
    static IconShape polygon(std::vector<Point> points, Paint paint);

    // Whether design point (px, py) lies inside the shape.
    bool contains(double px, double py) const;
};

// A picture: shapes painted in order, later ones over earlier ones, on a transparent square.
struct IconDesign {
    std::string id;  // file name without extension, e.g. the application id
    std::vector<IconShape> shapes;
};

// Side of the design square, in design units.
inline constexpr double kDesignSize = 64.0;

}  // namespace icons
