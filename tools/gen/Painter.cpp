// Signed-distance rendering of the script shapes: exact edges at any scale, rims for free.
#include "tools/gen/Painter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "tools/gen/Palette.h"

namespace gen {
namespace {

constexpr double kRimWidth = 1.6;   // design units of the dark rim around outlined shapes
constexpr double kRimDarken = 0.5;  // rim colour: the fill this far towards black
constexpr double kDegrees = std::numbers::pi / 180.0;

double segmentDistance(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    const double len2 = dx * dx + dy * dy;
    const double t = len2 > 0 ? std::clamp(((px - ax) * dx + (py - ay) * dy) / len2, 0.0, 1.0) : 0.0;
    return std::hypot(px - ax - t * dx, py - ay - t * dy);
}

// Distance to a closed polygon, negative inside (even-odd rule).
double polygonDistance(const std::vector<double>& pts, double x, double y) {
    const std::size_t n = pts.size() / 2;
    double d = 1e9;
    bool inside = false;
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const double xi = pts[2 * i], yi = pts[2 * i + 1], xj = pts[2 * j], yj = pts[2 * j + 1];
        d = std::min(d, segmentDistance(x, y, xi, yi, xj, yj));
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
    }
    return inside ? -d : d;
}

std::vector<double> starPoints(const std::vector<double>& a) {
    const double cx = a[0], cy = a[1], outer = a[2], inner = a[3];
    const int points = std::max(3, static_cast<int>(a[4]));
    std::vector<double> pts;
    for (int i = 0; i < 2 * points; ++i) {
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / points;
        const double r = i % 2 == 0 ? outer : inner;
        pts.push_back(cx + r * std::cos(angle));
        pts.push_back(cy + r * std::sin(angle));
    }
    return pts;
}

double boxDistance(double x, double y, double x1, double y1, double x2, double y2, double radius) {
    const double cx = (x1 + x2) / 2, cy = (y1 + y2) / 2;
    const double hx = std::abs(x2 - x1) / 2 - radius, hy = std::abs(y2 - y1) / 2 - radius;
    const double qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
    return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - radius;
}

double arcDistance(const std::vector<double>& a, double x, double y) {
    const double cx = a[0], cy = a[1], r = a[2], half = a[3] / 2;
    double from = a[4], to = a[5];
    while (to < from) to += 360.0;
    double angle = std::atan2(y - cy, x - cx) / kDegrees;
    while (angle < from) angle += 360.0;
    if (angle <= to) return std::abs(std::hypot(x - cx, y - cy) - r) - half;
    const double capA =
        std::hypot(x - cx - r * std::cos(from * kDegrees), y - cy - r * std::sin(from * kDegrees));
    const double capB =
        std::hypot(x - cx - r * std::cos(to * kDegrees), y - cy - r * std::sin(to * kDegrees));
    return std::min(capA, capB) - half;
}

// Design-space box that holds the shape: x1, y1, x2, y2.
std::array<double, 4> bounds(const Primitive& s) {
    const auto& a = s.args;
    switch (s.kind) {
        case ShapeKind::Circle:
            return {a[0] - a[2], a[1] - a[2], a[0] + a[2], a[1] + a[2]};
        case ShapeKind::Ellipse:
            return {a[0] - a[2], a[1] - a[3], a[0] + a[2], a[1] + a[3]};
        case ShapeKind::Rect:
        case ShapeKind::RoundRect:
            return {std::min(a[0], a[2]), std::min(a[1], a[3]), std::max(a[0], a[2]), std::max(a[1], a[3])};
        case ShapeKind::Line:
            return {std::min(a[0], a[2]) - a[4], std::min(a[1], a[3]) - a[4], std::max(a[0], a[2]) + a[4],
                    std::max(a[1], a[3]) + a[4]};
        case ShapeKind::Ring:
        case ShapeKind::Arc: {
            const double r = a[2] + a[3];
            return {a[0] - r, a[1] - r, a[0] + r, a[1] + r};
        }
        case ShapeKind::Star:
            return {a[0] - a[2], a[1] - a[2], a[0] + a[2], a[1] + a[2]};
        case ShapeKind::Polygon: {
            std::array<double, 4> b{1e9, 1e9, -1e9, -1e9};
            for (std::size_t i = 0; i + 1 < a.size(); i += 2) {
                b[0] = std::min(b[0], a[i]);
                b[1] = std::min(b[1], a[i + 1]);
                b[2] = std::max(b[2], a[i]);
                b[3] = std::max(b[3], a[i + 1]);
            }
            return b;
        }
    }
    return {0, 0, 0, 0};
}

}  // namespace

double shapeDistance(const Primitive& s, double x, double y) {
    const auto& a = s.args;
    switch (s.kind) {
        case ShapeKind::Circle:
            return std::hypot(x - a[0], y - a[1]) - a[2];
        case ShapeKind::Ellipse: {
            // Approximate ellipse distance: exact on the axes, close elsewhere.
            const double px = (x - a[0]) / a[2], py = (y - a[1]) / a[3];
            const double k0 = std::hypot(px, py);
            const double k1 = std::hypot(px / a[2], py / a[3]);
            return k1 > 0 ? k0 * (k0 - 1.0) / k1 : -std::min(a[2], a[3]);
        }
        case ShapeKind::Rect:
            return boxDistance(x, y, a[0], a[1], a[2], a[3], 0.0);
        case ShapeKind::RoundRect:
            return boxDistance(x, y, a[0], a[1], a[2], a[3], a[4]);
        case ShapeKind::Polygon:
            return polygonDistance(a, x, y);
        case ShapeKind::Line:
            return segmentDistance(x, y, a[0], a[1], a[2], a[3]) - a[4] / 2;
        case ShapeKind::Ring:
            return std::abs(std::hypot(x - a[0], y - a[1]) - a[2]) - a[3] / 2;
        case ShapeKind::Arc:
            return arcDistance(a, x, y);
        case ShapeKind::Star:
            return polygonDistance(starPoints(a), x, y);
    }
    return 1e9;
}

void Painter::blend(int x, int y, base::Colour colour, double coverage) {
    if (coverage <= 0.0 || !target_.contains(x, y)) return;
    target_.setPixel(x, y, mixColour(target_.colourAt(x, y), colour, std::min(coverage, 1.0)));
}

void Painter::paint(const Primitive& shape, base::Colour fill) {
    const double rim = shape.outlined ? kRimWidth : 0.0;
    const auto b = bounds(shape);
    const int x1 = static_cast<int>(std::floor((b[0] - rim - 1) * sx_));
    const int y1 = static_cast<int>(std::floor((b[1] - rim - 1) * sy_));
    const int x2 = static_cast<int>(std::ceil((b[2] + rim + 1) * sx_));
    const int y2 = static_cast<int>(std::ceil((b[3] + rim + 1) * sy_));
    const double pixel = std::min(sx_, sy_);  // pixels per design unit, for edge softness
    const base::Colour rimColour = mixColour(fill, {0, 0, 0}, kRimDarken);
    for (int y = std::max(0, y1); y <= std::min(target_.height() - 1, y2); ++y) {
        for (int x = std::max(0, x1); x <= std::min(target_.width() - 1, x2); ++x) {
            const double d = shapeDistance(shape, (x + 0.5) / sx_, (y + 0.5) / sy_) * pixel;  // pixels
            if (rim > 0.0) blend(x, y, rimColour, 0.5 - (d - rim * pixel));
            blend(x, y, fill, 0.5 - d);
        }
    }
}

}  // namespace gen
