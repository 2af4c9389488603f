// Painting the play field and the editor's field from the block grid.
#include "engine/FieldPainter.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "base/Translation.h"
#include "engine/BlockPatterns.h"

namespace engine {
namespace {

using base::Colour;

constexpr bool drawn(std::int32_t code) {
    return code >= 0 && code < kBlockCodeCount;
}

ui::Rect cellArea(int col, int row) {
    return ui::Rect{cellLeft(col), cellTop(row), kCellWidth, kCellHeight};
}

bool overlapsAny(const ui::Rect& a, const std::vector<ui::Rect>& areas) {
    return std::any_of(areas.begin(), areas.end(), [&a](const ui::Rect& b) { return ui::overlap(a, b); });
}

// The upper half of a two-cell rectangle, pixel for pixel as Image::rectangle paints it: its lower half,
// bottom outline included, is what the next cell of the column paints over at once.
void upperHalfOfTall(ui::Image& image, int x, int y) {
    base::Bitmap& s = image.surfaceFor(ui::Rect{x, y, kCellWidth, kCellHeight});
    const int right = x + kCellWidth, bottom = y + kCellHeight;
    s.fill(x, y, right, y + 1, image.penColour);
    s.fill(x, y + 1, x + 1, bottom, image.penColour);
    s.fill(right - 1, y + 1, right, bottom, image.penColour);
    s.fill(x + 1, y + 1, right - 1, bottom, image.brushColour);
}

enum Shape : std::int8_t { NotDrawn = -1, OneCell = 0, UpperHalf = 1, TwoCells = 2 };

Shape shapeOf(const BlockGrid& grid, int c, int r, FieldView view) {
    const std::int32_t code = grid.at(c, r);
    if (!drawn(code)) return NotDrawn;
    if (!drawnTall(code, view)) return OneCell;
    return r < kFieldRows && drawn(grid.at(c, r + 1)) ? UpperHalf : TwoCells;
}

void paintCell(ui::Image& image, int c, int r, std::int32_t code, const PaintedCells::Look& look) {
    image.brushColour = look.brush;
    const int x = cellLeft(c), y = cellTop(r);
    if (look.shape == UpperHalf)
        upperHalfOfTall(image, x, y);
    else
        image.rectangle(x, y, x + kCellWidth, y + (look.shape == TwoCells ? 2 : 1) * kCellHeight);
    if (look.label) {
        image.fontColour = look.labelColour;
        image.textOut(x + 2, y + 2, base::translateData("Blocks", look.label));
    } else if (look.pattern) {
        drawPattern(image.surfaceFor(cellArea(c, r)), x, y, code, look.brush);
    }
}

// The look of cell (c, r) as painted now; the outline of a kind that sets none is the pen left on image by
// the cells before it, which this takes up.
PaintedCells::Look lookAt(ui::Image& image, const BlockGrid& grid, int c, int r, int phase, FieldView view,
                          bool patterns) {
    PaintedCells::Look look;
    look.shape = shapeOf(grid, c, r, view);
    if (look.shape == NotDrawn) return look;
    const std::int32_t code = grid.at(c, r);
    const CellLook k = lookOf(code, phase, view);
    if (k.pen) image.penColour = *k.pen;
    look.pen = image.penColour;
    look.brush = k.brush;
    look.label = k.label;
    look.labelColour = k.label ? k.labelColour : base::colours::Black;
    look.pattern = !k.label && patterns && (code != Invisible || view == FieldView::Editor);
    return look;
}

// Paints cell (c, r) as shown says unless it shows so already and nothing covered it since (drawnOn); what
// painting it covers is added to drawnOn, for the cells after it.
void repaint(ui::Image& image, int c, int r, std::int32_t code, const PaintedCells::Look& look,
             PaintedCells::Cell& shown, bool every, std::vector<ui::Rect>& drawnOn) {
    if (!every && shown.look == look && !overlapsAny(shown.covered, drawnOn)) return;
    shown.look = look;
    if (look.shape == NotDrawn) return;  // what it showed stays, as it always did
    const std::uint64_t before = image.drawSerial();
    paintCell(image, c, r, code, look);
    const std::size_t from = drawnOn.size();
    image.drawnSince(before, drawnOn);
    shown.covered = {};
    for (std::size_t i = from; i < drawnOn.size(); ++i) shown.covered = ui::joined(shown.covered, drawnOn[i]);
}

void paintCells(ui::Image& image, const BlockGrid& grid, int phase, FieldView view, bool patterns,
                PaintedCells* painted) {
    image.penColour = base::colours::Black;
    image.fontSize = kFieldFontSize;
    // Where the picture was drawn on since the cells were last painted, then by the cells painted now: a
    // cell is painted again when anything covered what it showed.
    std::vector<ui::Rect> drawnOn;
    const bool every = !painted || !painted->knows(image, drawnOn);
    // The brush and font colours the last drawn cell and the last label leave, painted or not: what is
    // drawn next takes them up as it would after painting every cell.
    std::optional<base::Colour> brush, font;
    std::size_t i = 0;
    for (int c = 1; c <= kFieldCols; ++c) {
        for (int r = 1; r <= kFieldRows; ++r, ++i) {
            const PaintedCells::Look look = lookAt(image, grid, c, r, phase, view, patterns);
            if (look.shape != NotDrawn) brush = look.brush;
            if (look.label) font = look.labelColour;
            if (painted)
                repaint(image, c, r, grid.at(c, r), look, painted->at(i), every, drawnOn);
            else if (look.shape != NotDrawn)
                paintCell(image, c, r, grid.at(c, r), look);
        }
    }
    if (brush) image.brushColour = *brush;
    if (font) image.fontColour = *font;
    if (painted) painted->remember(image);
    image.invalidate();
}

}  // namespace

bool PaintedCells::knows(const ui::Image& image, std::vector<ui::Rect>& drawnSince) const {
    return image_ == &image && image.picture().width() == width_ && image.picture().height() == height_ &&
           image.drawnSince(serial_, drawnSince);
}

void PaintedCells::remember(const ui::Image& image) {
    image_ = &image;
    serial_ = image.drawSerial();
    width_ = image.picture().width();
    height_ = image.picture().height();
}

namespace {

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

void drawBlocks(ui::Image& image, const BlockGrid& grid, std::int32_t& colourPhase, bool patterns,
                PaintedCells* painted) {
    advanceColourPhase(colourPhase);
    paintCells(image, grid, colourPhase, FieldView::Play, patterns, painted);
}

void drawEditorGrid(ui::Image& image, const BlockGrid& grid, bool patterns) {
    paintCells(image, grid, 0, FieldView::Editor, patterns, nullptr);
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
