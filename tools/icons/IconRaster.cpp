// Rasterising icon designs: each pixel averages a grid of samples of the shapes painted over each other.
#include "tools/icons/IconRaster.h"

#include <algorithm>
#include <cmath>

namespace icons {
namespace {

// Samples along each side of a pixel: 8 x 8 gives 64 coverage levels, smooth even at 16 pixels.
constexpr int kSamples = 8;

struct Premultiplied {
    double r = 0, g = 0, b = 0, a = 0;  // colour times alpha, 0..1
};

// Paints the shapes that contain (x, y) in order, each over what lies below it.
Premultiplied sample(const IconDesign& design, double x, double y) {
    Premultiplied c;
    for (const IconShape& s : design.shapes) {
        if (!s.contains(x, y)) continue;
        const double a = s.paint.opacity;
        c.r = s.paint.r / 255.0 * a + c.r * (1 - a);
        c.g = s.paint.g / 255.0 * a + c.g * (1 - a);
        c.b = s.paint.b / 255.0 * a + c.b * (1 - a);
        c.a = a + c.a * (1 - a);
    }
    return c;
}

std::uint8_t byte(double v) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
}

}  // namespace

RgbaImage rasterize(const IconDesign& design, int size) {
    RgbaImage image;
    image.size = size;
    image.pixels.resize(static_cast<std::size_t>(size) * size * 4);
    const double unitsPerPixel = kDesignSize / size;
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            Premultiplied sum;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const Premultiplied c = sample(design, (px + (sx + 0.5) / kSamples) * unitsPerPixel,
                                                   (py + (sy + 0.5) / kSamples) * unitsPerPixel);
                    sum.r += c.r;
                    sum.g += c.g;
                    sum.b += c.b;
                    sum.a += c.a;
                }
            }
            const double n = kSamples * kSamples;
            std::uint8_t* out = &image.pixels[(static_cast<std::size_t>(py) * size + px) * 4];
            const double alpha = sum.a / n;
            if (alpha > 0) {
                out[0] = byte(sum.r / sum.a);
                out[1] = byte(sum.g / sum.a);
                out[2] = byte(sum.b / sum.a);
            }
            out[3] = byte(alpha);
        }
    }
    return image;
}

}  // namespace icons
