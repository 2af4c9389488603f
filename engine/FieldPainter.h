// Painting the play field: the block cells, the ball with its trail, and the editor's view of the same grid.
#pragma once

#include <array>
#include <cstdint>

#include "base/Colour.h"
#include "engine/BlockGrid.h"
#include "engine/BlockLooks.h"
#include "engine/GameState.h"
#include "ui/core/Image.h"

namespace engine {

inline constexpr int kFieldFontSize = 12;   // points, labels and the ball
inline constexpr int kBallFlashTicks = 20;  // ticks of blue after a right click
inline constexpr const char* kBallGlyph = "●";

// Pixel positions of a cell (c, r) of the play field, 1-based.
constexpr int cellLeft(int col) {
    return kCellWidth * (col - 1);
}
constexpr int cellTop(int row) {
    return kCellHeight * (row - 1);
}
// Top-left corner of the ball glyph drawn for cell (c, r).
constexpr int ballGlyphX(int col) {
    return kCellWidth * col - 25;
}
constexpr int ballGlyphY(int row) {
    return kCellHeight * row - 20;
}

// What each cell of one picture last showed, and what it covered. A repaint that keeps it draws only the
// cells whose look changed and those that other drawing covered since, and leaves the picture as painting
// every cell would: a ball tick that hit nothing draws the few cells under the ball's old places.
class PaintedCells {
  public:
    // The look a cell was painted with; a cell not drawn has none.
    struct Look {
        base::Colour pen, brush, labelColour;
        const char* label = nullptr;
        std::int8_t shape = -1;  // -1 not drawn, 0 one cell, 1 upper half of a tall one, 2 two cells high
        bool pattern = false;
        bool operator==(const Look&) const = default;
    };
    struct Cell {
        Look look;
        ui::Rect covered;  // all the cell's drawing covered
    };

    // Whether it still tells what image shows; if so, appends where it was drawn on since.
    bool knows(const ui::Image& image, std::vector<ui::Rect>& drawnSince) const;
    void remember(const ui::Image& image);
    Cell& at(std::size_t i) { return cells_[i]; }

  private:
    const ui::Image* image_ = nullptr;
    std::uint64_t serial_ = 0;
    int width_ = 0, height_ = 0;
    std::array<Cell, kFieldCols * kFieldRows> cells_{};
};

// Advances colourPhase (0..5, wrapping), then paints all 200 cells of the play field from grid.
// Codes outside 0..29 are left untouched; the outline of the kinds that do not set one is the one
// the previous cell in drawing order left on image. patterns: each kind's pattern over its colour
// (engine/BlockPatterns), for players who tell the colours apart badly. With painted, only the cells
// that need it are drawn (see PaintedCells); the picture ends the same.
void drawBlocks(ui::Image& image, const BlockGrid& grid, std::int32_t& colourPhase, bool patterns = false,
                PaintedCells* painted = nullptr);

// The editor's redraw: the same cells without flashing (fixed colours for the cycling kinds, no EX
// labels) and with the invisible block shown, two cells tall.
void drawEditorGrid(ui::Image& image, const BlockGrid& grid, bool patterns = false);

// The state changes of a redraw, for when nothing is painted: the colour phase steps on (0..5, wrapping),
// the ball flash counts down (true while it lasts), the trail takes the ball's cell as its newest place.
void advanceColourPhase(std::int32_t& colourPhase);
bool takeBallFlash(std::int32_t& ballFlashTicks);
void shiftTrail(tmy& my);

// Paints the ball at (my.ballX, my.ballY) and its four trail places, in blues while
// state.ballFlashTicks runs (counting it down) or greys, then shifts the trail.
void drawBall(ui::Image& image, GameState& state);

// The ball alone in white on black at cell (col, row): the serve position outside a tick.
void drawBallAt(ui::Image& image, int col, int row);

// Fills all four trail places with the ball's cell.
void resetTrail(tmy& my);

// Fills the whole image black with a black outline and sets the field's text size.
void clearField(ui::Image& image);

}  // namespace engine
