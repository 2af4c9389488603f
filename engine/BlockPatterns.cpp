// The patterns of the block kinds, one rule a kind over the pixels inside a cell's outline.
#include "engine/BlockPatterns.h"

#include "engine/BlockGrid.h"

namespace engine {
namespace {

constexpr int kInnerWidth = kCellWidth - 2;  // inside the one-pixel outline
constexpr int kInnerHeight = kCellHeight - 2;

// Whether pixel (x, y) inside the outline carries ink for code.
bool inked(std::int32_t code, int x, int y) {
    if (code >= Hard1 && code <= Hard8) {
        // One dot per degree of hardness along the lower edge.
        const int dots = code - Hard1 + 1;
        return y >= 13 && y <= 14 && x >= 2 && x < 2 + 4 * dots && (x - 2) % 4 < 2;
    }
    switch (code) {
        case Bomb:  // a cross from corner to corner
            return y == x * (kInnerHeight - 1) / (kInnerWidth - 1) ||
                   y == (kInnerHeight - 1) - x * (kInnerHeight - 1) / (kInnerWidth - 1);
        case AllClear:  // a chequer
            return (x / 5 + y / 5) % 2 == 0;
        case Wall:  // bricks
            return y % 6 == 5 || ((y / 6) % 2 == 0 ? x % 12 == 0 : (x + 6) % 12 == 0);
        case Deadly:  // lines across
            return y % 4 == 0;
        case RowBomb:  // a bar from wall to wall
            return ((y == 8 || y == 9) && x >= 2 && x <= kInnerWidth - 3) ||
                   ((x == 2 || x == kInnerWidth - 3) && y >= 4 && y <= 13);
        case Blue:  // lines down
            return x % 4 == 0;
        case Multiply:  // little plus signs
            return (x % 10 == 4 && y % 9 >= 2 && y % 9 <= 6) || (y % 9 == 4 && x % 10 >= 2 && x % 10 <= 6);
        case Pink:  // dots
            return x % 4 == 1 && y % 4 == 1;
        case PaleRed:  // slanting lines
            return (x + y) % 6 == 0;
        case Ex:  // slanting the other way
            return (x - y + 60) % 6 == 0;
        case ExPlus:  // both ways
            return (x + y) % 6 == 0 || (x - y + 60) % 6 == 0;
        case Invisible:  // a dotted frame
            return ((y == 0 || y == kInnerHeight - 1) && x % 3 == 0) ||
                   ((x == 0 || x == kInnerWidth - 1) && y % 3 == 0);
        default:
            return false;
    }
}

bool light(base::Colour c) {
    return 299 * c.r + 587 * c.g + 114 * c.b >= 128 * 1000;
}

}  // namespace

void drawPattern(base::Bitmap& surface, int x, int y, std::int32_t code, base::Colour fill) {
    const base::Colour ink = light(fill) ? base::colours::Black : base::colours::White;
    for (int py = 0; py < kInnerHeight; ++py)
        for (int px = 0; px < kInnerWidth; ++px)
            if (inked(code, px, py)) surface.setPixel(x + 1 + px, y + 1 + py, ink);
}

}  // namespace engine
