// Pixels of the painted play field and editor field: fills, outlines, flashing and the ball.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "engine/FieldPainter.h"

namespace {

using base::Colour;
using engine::BlockGrid;
using engine::GameState;

struct Field {
    ui::Image image{"main_box", {0, 0, 400, 400}};
    BlockGrid grid;
    std::int32_t phase = 0;
    Field() { engine::clearField(image); }
    // A pixel inside cell (c, r), away from its outline and label.
    Colour centre(int c, int r) const {
        return image.picture().colourAt(engine::cellLeft(c) + 36, engine::cellTop(r) + 18);
    }
    Colour outline(int c, int r) const {
        return image.picture().colourAt(engine::cellLeft(c), engine::cellTop(r));
    }
    // The ink of the ball glyph drawn for cell (c, r).
    Colour ball(int c, int r) const {
        return image.picture().colourAt(engine::ballGlyphX(c) + 8, engine::ballGlyphY(r) + 8);
    }
};

// A run whose ball has just been put at cell (c, r), its trail all there.
GameState ballAt(int c, int r) {
    GameState s;
    s.my.ballX = c;
    s.my.ballY = r;
    engine::resetTrail(s.my);
    return s;
}

TEST(FieldPainter, AllClearCyclesThroughSixColours) {
    Field f;
    f.grid.set(3, 4, engine::AllClear);
    const Colour expected[] = {{255, 0, 0}, {255, 0, 255}, {0, 0, 255}, {0, 255, 255},
                               {0, 255, 0}, {255, 255, 0}, {255, 0, 0}};
    for (const Colour& c : expected) {
        engine::drawBlocks(f.image, f.grid, f.phase);
        EXPECT_EQ(f.centre(3, 4), c) << "phase " << f.phase;
        EXPECT_EQ(f.outline(3, 4), base::colours::Black);
    }
    EXPECT_EQ(f.phase, 1);
}

TEST(FieldPainter, FixedFills) {
    Field f;
    const struct {
        std::int32_t code;
        Colour fill;
    } rows[] = {
        {engine::White, {255, 255, 255}}, {engine::Hard1, {255, 255, 210}}, {engine::Hard8, {23, 247, 128}},
        {engine::Wall, {128, 128, 128}},  {engine::Blue, {128, 255, 255}},  {engine::Pink, {255, 128, 192}},
        {engine::Bar, {255, 255, 255}},   {engine::Invisible, {0, 0, 0}},   {engine::Empty, {0, 0, 0}},
    };
    int c = 1;
    for (const auto& row : rows) f.grid.set(c++, 1, row.code);
    engine::drawBlocks(f.image, f.grid, f.phase);
    c = 1;
    for (const auto& row : rows) EXPECT_EQ(f.centre(c++, 1), row.fill) << "code " << row.code;
}

TEST(FieldPainter, KeptOutlineAfterDeadlyAndBarCells) {
    Field f;
    f.grid.set(1, 5, engine::Deadly);
    f.grid.set(1, 6, engine::Blue);  // right below the deadly cell: dark red outline
    f.grid.set(1, 20, engine::Bar);
    f.grid.set(2, 1, engine::PaleRed);  // first cell of the next column: white outline
    f.grid.set(3, 2, engine::Ex);       // after a plain cell: black again
    engine::drawBlocks(f.image, f.grid, f.phase);
    EXPECT_EQ(f.outline(1, 5), (Colour{174, 0, 0}));
    EXPECT_EQ(f.centre(1, 5), base::colours::Black);
    EXPECT_EQ(f.outline(1, 6), (Colour{174, 0, 0}));
    EXPECT_EQ(f.centre(1, 6), (Colour{128, 255, 255}));
    EXPECT_EQ(f.outline(2, 1), base::colours::White);
    EXPECT_EQ(f.outline(3, 2), base::colours::Black);
}

TEST(FieldPainter, TallCellsShowUnderUndrawnCodes) {
    Field f;
    f.image.brushColour = Colour{1, 2, 3};
    f.image.rectangle(0, 0, 400, 400);  // something the undrawn cells must keep
    f.grid.set(4, 7, engine::Multiply);
    f.grid.set(4, 8, 30);
    f.grid.set(5, 7, engine::Hard3);
    f.grid.set(5, 8, -1);
    f.grid.set(6, 20, engine::Bomb);  // its lower half falls outside the image
    engine::drawBlocks(f.image, f.grid, f.phase);
    EXPECT_EQ(f.centre(4, 8), (Colour{255, 0, 255}));  // the lower half of the tall block
    EXPECT_EQ(f.centre(5, 8), (Colour{1, 2, 3}));      // one cell tall: untouched below
    EXPECT_EQ(f.outline(5, 8), (Colour{1, 2, 3}));
    EXPECT_EQ(f.centre(6, 20), (Colour{221, 0, 96}));  // phase 1
}

TEST(FieldPainter, TallCellOverADrawnCell) {
    Field f;
    f.grid.set(4, 7, engine::Multiply);
    f.grid.set(4, 8, engine::White);
    engine::drawBlocks(f.image, f.grid, f.phase);
    const int x = engine::cellLeft(4) + 20, y = engine::cellTop(8);
    EXPECT_EQ(f.image.picture().colourAt(x, y - 1), (Colour{255, 0, 255}));  // fill, no bottom outline
    EXPECT_EQ(f.image.picture().colourAt(x, y), base::colours::Black);       // the white block's outline
    EXPECT_EQ(f.image.picture().colourAt(x, y + 10), base::colours::White);
    EXPECT_EQ(f.image.picture().colourAt(engine::cellLeft(4), y - 1), base::colours::Black);  // left outline
}

TEST(FieldPainter, LabelsAtTheirInset) {
    Field f;
    f.grid.set(2, 3, engine::Slow);
    engine::drawBlocks(f.image, f.grid, f.phase);
    // The label box starts at (x + 2, y + 2) on the cell's fill, with the label colour as ink.
    const int x = engine::cellLeft(2), y = engine::cellTop(3);
    const auto& p = f.image.picture();
    EXPECT_EQ(p.colourAt(x + 1, y + 1), (Colour{64, 128, 128}));
    EXPECT_EQ(p.colourAt(x + 8, y + 2 + 8), (Colour{109, 182, 182}));
}

TEST(FieldPainter, BallBlueForTwentyTicksThenGrey) {
    Field f;
    GameState s = ballAt(5, 10);
    s.ballFlashTicks = engine::kBallFlashTicks;
    for (int tick = 1; tick <= 21; ++tick) {
        engine::drawBall(f.image, s);
        const Colour expected =
            tick <= 20 ? Colour{34, 85, 255} : Colour{119, 119, 119};  // trail 0 drawn last
        EXPECT_EQ(f.ball(5, 10), expected) << "tick " << tick;
    }
    EXPECT_EQ(s.ballFlashTicks, 0);
    EXPECT_EQ(f.image.fontColour, base::colours::Black);
}

TEST(FieldPainter, TrailShowsTheFourEarlierCells) {
    Field f;
    GameState s = ballAt(1, 1);
    for (int step = 1; step <= 6; ++step) {
        s.my.ballX = step;
        s.my.ballY = step;
        engine::drawBall(f.image, s);
    }
    EXPECT_EQ(f.ball(6, 6), (Colour{255, 255, 255}));
    EXPECT_EQ(f.ball(5, 5), (Colour{221, 221, 221}));
    EXPECT_EQ(f.ball(2, 2), (Colour{119, 119, 119}));
    EXPECT_EQ(s.my.trailX[3], 6);
    EXPECT_EQ(s.my.trailY[0], 3);
}

// Ball ticks that paint only the cells that need it leave the picture as painting all of them does, whatever
// else drew on it meanwhile (the ball, a burst, text) and whatever the cells hold (tall kinds over drawn and
// undrawn codes, flashing kinds, labels, patterns switched); a tick that changes nothing draws nothing.
TEST(FieldPainter, PaintingWhatChangedEndsAsPaintingEveryCell) {
    std::mt19937 random(7);
    const auto pick = [&](int from, int to) { return std::uniform_int_distribution<int>(from, to)(random); };
    Field cells, every;
    engine::PaintedCells painted;
    GameState ballA = ballAt(5, 10), ballB = ballAt(5, 10);
    bool patterns = false;
    for (int tick = 0; tick < 400; ++tick) {
        for (int k = pick(0, 3); k > 0; --k) {
            const std::int32_t code = pick(0, 9) == 0 ? pick(-2, 40) : pick(0, engine::kBlockCodeCount - 1);
            const int c = pick(1, engine::kFieldCols), r = pick(1, engine::kFieldRows);
            cells.grid.set(c, r, code);
            every.grid.set(c, r, code);
        }
        if (pick(0, 50) == 0) patterns = !patterns;
        const bool ballMoves = pick(0, 1) == 0;
        const int dx = pick(-1, 1), dy = pick(-1, 1);
        for (Field* f : {&cells, &every}) {
            GameState& ball = f == &cells ? ballA : ballB;
            if (tick % 60 == 59) engine::clearField(f->image);
            // In the colours the cells left, as a burst or a flash takes them up.
            if (tick % 7 == 0) f->image.rectangle(tick % 300, tick % 200, tick % 300 + 90, tick % 200 + 30);
            if (ballMoves) {
                ball.my.ballX = std::clamp(ball.my.ballX + dx, 1, engine::kFieldCols);
                ball.my.ballY = std::clamp(ball.my.ballY + dy, 1, engine::kFieldRows);
                engine::drawBall(f->image, ball);
            }
            if (tick % 23 == 0) f->image.textOut(tick % 350, tick % 390, "ALL CLEAR");
        }
        const std::uint64_t before = cells.image.drawSerial();
        const std::int32_t phase = cells.phase;
        engine::drawBlocks(cells.image, cells.grid, cells.phase, patterns, &painted);
        engine::drawBlocks(every.image, every.grid, every.phase, patterns);
        ASSERT_TRUE(std::equal(cells.image.picture().data(), cells.image.picture().data() + 400 * 400,
                               every.image.picture().data()))
            << "tick " << tick;
        // The same field again, its colours at the same phase: nothing to draw.
        cells.phase = phase;
        const std::uint64_t drawn = cells.image.drawSerial();
        engine::drawBlocks(cells.image, cells.grid, cells.phase, patterns, &painted);
        EXPECT_EQ(cells.image.drawSerial(), drawn) << "tick " << tick;
        EXPECT_GT(drawn, before);  // at least the cells under the ball, or the flashing ones
    }
}

TEST(EditorGrid, FixedColoursNoPhase) {
    Field f;
    f.grid.set(1, 1, engine::Bomb);
    f.grid.set(1, 3, engine::AllClear);
    f.grid.set(1, 5, engine::RowBomb);
    f.grid.set(1, 7, engine::Ex);
    f.grid.set(1, 9, engine::Invisible);
    f.grid.set(1, 10, 99);
    for (int i = 0; i < 3; ++i) engine::drawEditorGrid(f.image, f.grid);
    EXPECT_EQ(f.centre(1, 1), (Colour{255, 0, 128}));
    EXPECT_EQ(f.centre(1, 3), (Colour{128, 128, 255}));
    EXPECT_EQ(f.centre(1, 5), (Colour{255, 128, 0}));
    EXPECT_EQ(f.centre(1, 7), (Colour{255, 128, 0}));
    // No EX label: the label's ink spot shows the fill.
    EXPECT_EQ(f.image.picture().colourAt(engine::cellLeft(1) + 8, engine::cellTop(7) + 10),
              (Colour{255, 128, 0}));
    EXPECT_EQ(f.centre(1, 9), (Colour{102, 51, 85}));
    EXPECT_EQ(f.centre(1, 10), (Colour{102, 51, 85}));  // two cells tall over the undrawn code
}

}  // namespace

// With the patterns on, the kinds that only their colour told apart differ in the ink over it, on the
// field and in the editor; the kinds with a label keep it alone, and the invisible block stays unseen in
// play. With them off the cells are painted as before (the other tests).
TEST(FieldPainter, PatternsTellTheKindsApartWithoutColour) {
    const std::int32_t codes[] = {
        engine::White,  engine::Hard1,   engine::Hard2, engine::Hard3,    engine::Hard4,    engine::Hard5,
        engine::Hard6,  engine::Hard7,   engine::Hard8, engine::Bomb,     engine::AllClear, engine::Wall,
        engine::Deadly, engine::RowBomb, engine::Blue,  engine::Multiply, engine::Pink,     engine::PaleRed};
    for (const bool editor : {false, true}) {
        std::vector<std::vector<bool>> inks;
        for (const std::int32_t code : codes) {
            Field f;
            f.grid.set(1, 1, code);
            editor ? engine::drawEditorGrid(f.image, f.grid, true)
                   : engine::drawBlocks(f.image, f.grid, f.phase, true);
            // The ink: the pixels inside the outline that differ from the same cell without patterns.
            Field plain;
            plain.grid.set(1, 1, code);
            editor ? engine::drawEditorGrid(plain.image, plain.grid)
                   : engine::drawBlocks(plain.image, plain.grid, plain.phase);
            std::vector<bool> ink;
            for (int y = 1; y < engine::kCellHeight - 1; ++y)
                for (int x = 1; x < engine::kCellWidth - 1; ++x)
                    ink.push_back(f.image.picture().pixel(x, y) != plain.image.picture().pixel(x, y));
            for (const auto& other : inks)
                EXPECT_NE(ink, other) << "code " << code << (editor ? " (editor)" : "");
            inks.push_back(ink);
        }
    }
    for (const std::int32_t code : {engine::Slow, engine::Heal, engine::Invisible}) {
        Field f, plain;
        f.grid.set(1, 1, code);
        plain.grid.set(1, 1, code);
        engine::drawBlocks(f.image, f.grid, f.phase, true);
        engine::drawBlocks(plain.image, plain.grid, plain.phase);
        for (int y = 0; y < engine::kCellHeight; ++y)
            for (int x = 0; x < engine::kCellWidth; ++x)
                ASSERT_EQ(f.image.picture().pixel(x, y), plain.image.picture().pixel(x, y))
                    << "code " << code;
    }
}
