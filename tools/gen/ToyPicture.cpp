// Toy pictures: the same shape kinds look different per toy through colours, backdrop and sparkles.
#include "tools/gen/ToyPicture.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "tools/gen/Painter.h"
#include "tools/gen/Palette.h"

namespace gen {
namespace {

constexpr int kFrame = 3;                 // pixels of the frame around a toy picture
constexpr int kRareFrom = 7;              // rarity from which sparkles are added
constexpr int kMinBackdropContrast = 90;  // summed RGB distance between backdrop and toy colour

constexpr std::array<base::Colour, 8> kBackdrops{{
    {255, 240, 200},
    {215, 240, 255},
    {230, 255, 220},
    {255, 225, 235},
    {235, 225, 255},
    {255, 250, 215},
    {220, 250, 245},
    {245, 235, 225},
}};

int distance(base::Colour a, base::Colour b) {
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

Primitive make(ShapeKind kind, std::vector<double> args, bool outlined) {
    Primitive p;
    p.kind = kind;
    p.args = std::move(args);
    p.outlined = outlined;
    return p;
}

// Four backdrop patterns, chosen by the slot: dots, stripes, checks, little stars.
void paintBackdrop(base::Bitmap& bmp, int slot, base::Colour ground) {
    const base::Colour ink = mixColour(ground, {0, 0, 0}, 0.08);
    const int pattern = (slot / static_cast<int>(kBackdrops.size())) % 4;
    Painter painter(bmp, 1.0, 1.0);
    for (int y = 0; y < bmp.height(); ++y)
        for (int x = 0; x < bmp.width(); ++x) {
            const double t = static_cast<double>(y) / bmp.height();  // a soft top-to-bottom gradient
            bmp.setPixel(x, y, mixColour(ground, {255, 255, 255}, 0.5 * (1.0 - t)));
        }
    const int step = 20;
    for (int y = 0; y < bmp.height() + step; y += step)
        for (int x = 0; x < bmp.width() + step; x += step) {
            const double cx = x + ((y / step) % 2) * step / 2.0, cy = y;
            switch (pattern) {
                case 0:
                    painter.paint(make(ShapeKind::Circle, {cx, cy, 3.0}, false), ink);
                    break;
                case 1:
                    painter.paint(
                        make(ShapeKind::Line, {cx - 10.0, cy + 10.0, cx + 10.0, cy - 10.0, 3.0}, false), ink);
                    break;
                case 2:
                    if ((x / step + y / step) % 2 == 0)
                        painter.paint(make(ShapeKind::Rect,
                                           {double(x), double(y), double(x + step), double(y + step)}, false),
                                      ink);
                    break;
                default:
                    painter.paint(make(ShapeKind::Star, {cx, cy, 5.0, 2.2, 5.0}, false), ink);
                    break;
            }
        }
}

void paintFrame(base::Bitmap& bmp, base::Colour colour) {
    const int w = bmp.width(), h = bmp.height();
    bmp.fill(0, 0, w, kFrame, colour);
    bmp.fill(0, h - kFrame, w, h, colour);
    bmp.fill(0, 0, kFrame, h, colour);
    bmp.fill(w - kFrame, 0, w, h, colour);
}

}  // namespace

base::Bitmap toyPicture(int slot, const Toy& toy, const Drawing& shape) {
    const Palette palette = paletteNamed(toy.colour);
    base::Colour ground = kBackdrops[static_cast<std::size_t>(slot) % kBackdrops.size()];
    for (std::size_t i = 1; distance(ground, palette.main) < kMinBackdropContrast && i < kBackdrops.size();
         ++i)
        ground = kBackdrops[(static_cast<std::size_t>(slot) + i) % kBackdrops.size()];
    if (distance(ground, palette.main) < kMinBackdropContrast) ground = {190, 200, 225};

    base::Bitmap bmp(kToyPictureSize, kToyPictureSize);
    paintBackdrop(bmp, slot, ground);
    const double scale = static_cast<double>(kToyPictureSize) / shape.width;
    Painter painter(bmp, scale, scale);
    for (const auto& s : shape.shapes) painter.paint(s, resolveColour(s.colour, palette));
    // Rare toys twinkle: one sparkle per rarity step from 7 up, in the corners.
    static constexpr std::array<std::array<double, 2>, 4> kCorners{
        {{16, 16}, {154, 20}, {150, 152}, {20, 150}}};
    for (int i = 0; i + kRareFrom <= toy.rarity && i < 4; ++i)
        painter.paint(make(ShapeKind::Star,
                           {kCorners[i][0] / scale, kCorners[i][1] / scale, 9 / scale, 2.5 / scale, 4}, true),
                      {255, 240, 120});
    paintFrame(bmp, toy.rarity >= 10 ? base::Colour{230, 180, 30} : palette.dark);
    return bmp;
}

base::Bitmap fixedPicture(const Drawing& drawing, const std::string& paletteName) {
    const Palette palette = paletteNamed(paletteName);
    base::Bitmap bmp(drawing.width, drawing.height, {255, 255, 255});
    Painter painter(bmp, 1.0, 1.0);
    for (const auto& s : drawing.shapes) painter.paint(s, resolveColour(s.colour, palette));
    return bmp;
}

}  // namespace gen
