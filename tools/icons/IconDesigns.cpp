// Icon designs on the 64-unit square: a dark rounded tile with the play field's blocks, ball and bar.
#include "tools/icons/IconDesigns.h"

#include <cmath>

namespace icons {
namespace {

constexpr Paint kTile{22, 26, 52};
constexpr Paint kTileRim{58, 66, 120};
constexpr Paint kRed{232, 65, 60};
constexpr Paint kYellow{245, 196, 49};
constexpr Paint kCyan{60, 200, 232};
constexpr Paint kPink{240, 120, 190};
constexpr Paint kWhite{250, 250, 250};
constexpr Paint kBar{200, 208, 224};
constexpr Paint kGreen{90, 209, 106};
constexpr Paint kCellEmpty{48, 54, 96};
constexpr Paint kPencilWood{232, 190, 130};
constexpr Paint kPencilLead{40, 40, 48};
constexpr Paint kPencilBody{245, 160, 40};
constexpr Paint kPencilCap{236, 110, 130};

// Columns of the block rows: five blocks 9 units wide with 1.25 between them, from x = 7.
constexpr int kColumns = 5;
constexpr double kBlockLeft = 7, kBlockWidth = 9, kBlockGap = 1.25, kBlockHeight = 5.5;

// The tile: a lighter rim around the dark face.
IconDesign tile(const std::string& id) {
    IconDesign d;
    d.id = id;
    d.shapes.push_back(IconShape::rect(2, 2, 60, 60, 11, kTileRim));
    d.shapes.push_back(IconShape::rect(4, 4, 56, 56, 9.5, kTile));
    return d;
}

// One row of blocks at top y; a column whose bit in gaps is set is left empty (a block already broken).
void blockRow(IconDesign& d, double y, Paint paint, unsigned gaps = 0) {
    for (int c = 0; c < kColumns; ++c)
        if (!(gaps & (1u << c)))
            d.shapes.push_back(IconShape::rect(kBlockLeft + c * (kBlockWidth + kBlockGap), y, kBlockWidth,
                                               kBlockHeight, 1.2, paint));
}

void bar(IconDesign& d) {
    d.shapes.push_back(IconShape::rect(20, 50, 24, 4.5, 2.2, kBar));
}

Point along(Point from, Point dir, double t) {
    return {from.x + dir.x * t, from.y + dir.y * t};
}

}  // namespace

IconDesign gameIcon(const std::string& id) {
    IconDesign d = tile(id);
    blockRow(d, 10, kRed);
    blockRow(d, 17, kYellow, 0b00010);
    blockRow(d, 24, kCyan, 0b01101);
    // The ball rising from the bar to the gap it broke, its trail fading behind it.
    Paint trail = kWhite;
    trail.opacity = 0.25;
    d.shapes.push_back(IconShape::circle(26, 45, 2.4, trail));
    trail.opacity = 0.5;
    d.shapes.push_back(IconShape::circle(30, 41, 2.9, trail));
    d.shapes.push_back(IconShape::circle(34.5, 36.5, 3.6, kWhite));
    bar(d);
    return d;
}

IconDesign runnerIcon(const std::string& id) {
    IconDesign d = tile(id);
    blockRow(d, 10, kPink);
    blockRow(d, 17, kWhite, 0b10001);
    d.shapes.push_back(IconShape::polygon({{25, 26}, {25, 46}, {42, 36}}, kGreen));
    bar(d);
    return d;
}

IconDesign makerIcon(const std::string& id) {
    IconDesign d = tile(id);
    // A 5 x 4 grid of cells, some painted.
    const Paint painted[4][kColumns] = {{kRed, kRed, kCellEmpty, kYellow, kYellow},
                                        {kCellEmpty, kCyan, kCyan, kCyan, kCellEmpty},
                                        {kPink, kCellEmpty, kWhite, kCellEmpty, kCellEmpty},
                                        {kCellEmpty, kCellEmpty, kCellEmpty, kCellEmpty, kCellEmpty}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < kColumns; ++c)
            d.shapes.push_back(IconShape::rect(kBlockLeft + c * (kBlockWidth + kBlockGap), 10 + r * 7.5,
                                               kBlockWidth, kBlockHeight + 0.5, 1.2, painted[r][c]));
    // A pencil from its tip at the lower left towards the upper right.
    const Point tip{18, 55};
    const double s = 1 / std::sqrt(2.0);
    const Point dir{s, -s}, side{s, s};
    const double half = 3.6;  // half the pencil's thickness
    auto at = [&](double t, double across) { return along(along(tip, dir, t), side, across); };
    d.shapes.push_back(IconShape::polygon({tip, at(9, -half), at(9, half)}, kPencilWood));
    d.shapes.push_back(
        IconShape::polygon({tip, at(3.5, -half * 3.5 / 9), at(3.5, half * 3.5 / 9)}, kPencilLead));
    d.shapes.push_back(
        IconShape::polygon({at(9, -half), at(36, -half), at(36, half), at(9, half)}, kPencilBody));
    d.shapes.push_back(
        IconShape::polygon({at(36, -half), at(42, -half), at(42, half), at(36, half)}, kPencilCap));
    return d;
}

}  // namespace icons
