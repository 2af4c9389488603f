// Painting the play field and the editor's field from the block grid.
#include "engine/FieldPainter.h"

#include <array>
#include <optional>

namespace engine {
namespace {

using base::Colour;
using Cycle = std::array<Colour, kColourPhases>;

constexpr Cycle kBombCycle{
    {{255, 0, 128}, {221, 0, 96}, {187, 0, 64}, {153, 0, 32}, {187, 0, 64}, {221, 0, 96}}};
constexpr Cycle kRainbowCycle{
    {{255, 255, 0}, {255, 0, 0}, {255, 0, 255}, {0, 0, 255}, {0, 255, 255}, {0, 255, 0}}};
constexpr Cycle kRowBombCycle{
    {{255, 128, 0}, {221, 96, 0}, {187, 64, 0}, {0, 32, 0}, {187, 64, 0}, {221, 96, 0}}};

// The hard blocks fade from cream to olive; code 9 is the toolkit colour integer 9 * 7000 + 0x8000FF.
constexpr std::array<Colour, 8> kHardFills{{{255, 255, 210},
                                            {255, 255, 147},
                                            {255, 255, 74},
                                            {231, 231, 0},
                                            {183, 183, 0},
                                            {153, 153, 0},
                                            {117, 117, 0},
                                            Colour::fromBgr(9 * 7000 + 8388863)}};

constexpr Colour kDeadlyOutline{174, 0, 0};
constexpr Colour kEditorInvisible{102, 51, 85};

// How one cell is painted. A missing pen keeps the outline the previous cell left.
struct CellLook {
    std::optional<Colour> pen = base::colours::Black;
    Colour brush = base::colours::Black;
    const char* label = nullptr;
    Colour labelColour = base::colours::Black;
    bool tall = false;  // two cells high
};

enum class View { Play, Editor };

// The look of code (0..29) at the given colour phase.
CellLook lookOf(std::int32_t code, int phase, View view) {
    const bool editor = view == View::Editor;
    CellLook k;
    switch (code) {
        case Empty:
            break;
        case Invisible:
            if (editor) {
                k.pen.reset();
                k.brush = kEditorInvisible;
                k.tall = true;
            }
            break;
        case White:
            k.brush = base::colours::White;
            break;
        case Hard1:
        case Hard2:
        case Hard3:
        case Hard4:
        case Hard5:
        case Hard6:
        case Hard7:
        case Hard8:
            k.brush = kHardFills[static_cast<std::size_t>(code - Hard1)];
            break;
        case Bomb:
            k.brush = editor ? kBombCycle[0] : kBombCycle[phase];
            break;
        case Slow:
            k.brush = {64, 128, 128};
            k.label = "down";
            k.labelColour = {109, 182, 182};
            break;
        case AllClear:
            k.brush = editor ? Colour{128, 128, 255} : kRainbowCycle[phase];
            break;
        case Wall:
            k.brush = base::colours::Grey;
            break;
        case Deadly:
            k.pen = kDeadlyOutline;
            break;
        case RowBomb:
            k.brush = editor ? kRowBombCycle[0] : kRowBombCycle[phase];
            break;
        case TimeMinus:
            k.brush = {128, 255, 0};
            k.label = "時×";
            k.labelColour = {128, 0, 255};
            break;
        case Heal:
            k.brush = {60, 60, 255};
            k.label = "回復";
            k.labelColour = {147, 147, 255};
            break;
        case Blue:
            k.pen.reset();
            k.brush = {128, 255, 255};
            break;
        case Multiply:
            k.brush = {255, 0, 255};
            break;
        case Poison:
            k.brush = {0, 64, 0};
            k.label = "毒";
            k.labelColour = {0, 168, 0};
            break;
        case Shrink:
            k.brush = {128, 0, 255};
            k.label = "短";
            k.labelColour = {128, 128, 255};
            break;
        case Pink:
            k.brush = {255, 128, 192};
            break;
        case Grow:
            k.brush = {128, 0, 255};
            k.label = "長";
            k.labelColour = {128, 128, 255};
            break;
        case TimePlus:
            k.brush = {128, 255, 0};
            k.label = "時○";
            k.labelColour = {128, 0, 255};
            break;
        case PaleRed:
            k.pen.reset();
            k.brush = {255, 128, 128};
            break;
        case Bar:
            k.pen = base::colours::White;
            k.brush = base::colours::White;
            break;
        case Ex:
        case ExPlus:
            k.pen.reset();
            k.brush = code == Ex ? Colour{255, 128, 0} : Colour{255, 0, 0};
            if (!editor) {
                k.label = code == Ex ? "EX" : "EX+";
                k.labelColour = kRainbowCycle[phase];
            }
            break;
        default:
            break;
    }
    if ((code >= Bomb && code <= PaleRed) || code == Ex || code == ExPlus) k.tall = true;
    return k;
}

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

void paintCells(ui::Image& image, const BlockGrid& grid, int phase, View view) {
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
            if (!k.tall)
                image.rectangle(x, y, x + kCellWidth, y + kCellHeight);
            else if (r < kFieldRows && drawn(grid.at(c, r + 1)))
                upperHalfOfTall(image, x, y);
            else
                image.rectangle(x, y, x + kCellWidth, y + 2 * kCellHeight);
            if (k.label) {
                image.fontColour = k.labelColour;
                image.textOut(x + 2, y + 2, k.label);
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

void drawBlocks(ui::Image& image, const BlockGrid& grid, std::int32_t& colourPhase) {
    advanceColourPhase(colourPhase);
    paintCells(image, grid, colourPhase, View::Play);
}

void drawEditorGrid(ui::Image& image, const BlockGrid& grid) {
    paintCells(image, grid, 0, View::Editor);
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
