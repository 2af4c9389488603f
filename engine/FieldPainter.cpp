// Painting the play field and the editor's field from the block grid.
#include "engine/FieldPainter.h"

#include <array>

#include "base/Translation.h"
#include "engine/BlockPatterns.h"

namespace engine {
namespace {

using base::Colour;

constexpr bool drawn(std::int32_t code) {
    return code >= 0 && code < kBlockCodeCount;
}

// The upper half of a two-cell rectangle, pixel for pixel as Image::rectangle paints it: its lower half,
// bottom outline included, is what the next cell of the column paints over at once.
void upperHalfOfTall(ui::Image& image, int x, int y) {
    base::Bitmap& s = image.surface();
    const int right = x + kCellWidth, bottom = y + kCellHeight;
    s.fill(x, y, right, y + 1, image.penColour);
    s.fill(x, y + 1, x + 1, bottom, image.penColour);
    s.fill(right - 1, y + 1, right, bottom, image.penColour);
    s.fill(x + 1, y + 1, right - 1, bottom, image.brushColour);
}

void paintCells(ui::Image& image, const BlockGrid& grid, int phase, FieldView view, bool patterns) {
    image.penColour = base::colours::Black;
    image.fontSize = kFieldFontSize;
    for (int c = 1; c <= kFieldCols; ++c) {
        for (int r = 1; r <= kFieldRows; ++r) {
            const std::int32_t code = grid.at(c, r);
            if (!drawn(code)) continue;
            const CellLook k = lookOf(code, phase, view);
            if (k.pen) image.penColour = *k.pen;
            image.brushColour = k.brush;
            const int x = cellLeft(c), y = cellTop(r);
            if (!drawnTall(code, view))
                image.rectangle(x, y, x + kCellWidth, y + kCellHeight);
            else if (r < kFieldRows && drawn(grid.at(c, r + 1)))
                upperHalfOfTall(image, x, y);
            else
                image.rectangle(x, y, x + kCellWidth, y + 2 * kCellHeight);
            if (k.label) {
                image.fontColour = k.labelColour;
                image.textOut(x + 2, y + 2, base::translateData("Blocks", k.label));
            } else if (patterns && (code != Invisible || view == FieldView::Editor)) {
                drawPattern(image.surface(), x, y, code, k.brush);
            }
        }
    }
    image.invalidate();
}

struct BallShades {
    Colour ball;
    std::array<Colour, 4> trail;  // by trail place 0 (oldest) .. 3 (newest)
};
constexpr BallShades kGreyBall{{255, 255, 255},
                               {{{119, 119, 119}, {153, 153, 153}, {187, 187, 187}, {221, 221, 221}}}};
constexpr BallShades kBlueBall{{26, 255, 255},
                               {{{34, 85, 255}, {68, 153, 255}, {102, 187, 255}, {136, 221, 255}}}};

void glyph(ui::Image& image, int col, int row, Colour colour) {
    image.fontColour = colour;
    image.textOut(ballGlyphX(col), ballGlyphY(row), kBallGlyph);
}

}  // namespace

void advanceColourPhase(std::int32_t& colourPhase) {
    colourPhase = colourPhase >= 0 && colourPhase < kColourPhases - 1 ? colourPhase + 1 : 0;
}

bool takeBallFlash(std::int32_t& ballFlashTicks) {
    if (ballFlashTicks <= 0) return false;
    --ballFlashTicks;
    return true;
}

void shiftTrail(tmy& my) {
    for (int place = 0; place < 3; ++place) {
        my.trailX[place] = my.trailX[place + 1];
        my.trailY[place] = my.trailY[place + 1];
    }
    my.trailX[3] = my.ballX;
    my.trailY[3] = my.ballY;
}

void drawBlocks(ui::Image& image, const BlockGrid& grid, std::int32_t& colourPhase, bool patterns) {
    advanceColourPhase(colourPhase);
    paintCells(image, grid, colourPhase, FieldView::Play, patterns);
}

void drawEditorGrid(ui::Image& image, const BlockGrid& grid, bool patterns) {
    paintCells(image, grid, 0, FieldView::Editor, patterns);
}

void drawBall(ui::Image& image, GameState& state) {
    tmy& my = state.my;
    const BallShades* shades = takeBallFlash(state.ballFlashTicks) ? &kBlueBall : &kGreyBall;
    image.fontSize = kFieldFontSize;
    image.brushColour = base::colours::Black;
    glyph(image, my.ballX, my.ballY, shades->ball);
    for (int place = 3; place >= 0; --place)
        glyph(image, my.trailX[place], my.trailY[place], shades->trail[static_cast<std::size_t>(place)]);
    image.fontColour = base::colours::Black;
    shiftTrail(my);
    image.invalidate();
}

void drawBallAt(ui::Image& image, int col, int row) {
    image.fontSize = kFieldFontSize;
    image.brushColour = base::colours::Black;
    glyph(image, col, row, base::colours::White);
    image.invalidate();
}

void resetTrail(tmy& my) {
    for (int place = 0; place < 4; ++place) {
        my.trailX[place] = my.ballX;
        my.trailY[place] = my.ballY;
    }
}

void clearField(ui::Image& image) {
    image.penColour = base::colours::Black;
    image.brushColour = base::colours::Black;
    const ui::Rect b = image.bounds();
    image.rectangle(0, 0, b.width, b.height);
    image.fontSize = kFieldFontSize;
    image.invalidate();
}

}  // namespace engine
