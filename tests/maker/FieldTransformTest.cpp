// Mirroring and shifting the shown field: where cells go, the wrap at the edges, and the margins left alone.
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>

#include "maker/FieldTransform.h"

namespace {

using engine::BlockGrid;

// Every field cell holds its own number; the margins hold others.
BlockGrid numbered() {
    BlockGrid g;
    for (int c = 0; c < engine::kGridSize; ++c)
        for (int r = 0; r < engine::kGridSize; ++r) g.set(c, r, 1000 + c * 100 + r);
    return g;
}

bool marginsAsNumbered(const BlockGrid& g) {
    const BlockGrid n = numbered();
    for (int c = 0; c < engine::kGridSize; ++c)
        for (int r = 0; r < engine::kGridSize; ++r) {
            const bool field = c >= 1 && c <= engine::kFieldCols && r >= 1 && r <= engine::kFieldRows;
            if (!field && g.at(c, r) != n.at(c, r)) return false;
        }
    return true;
}

// Once, each cell (c, r) of moves holds what (fromC, fromR) held and the margins stay; twice changes nothing.
void expectMirror(void (*mirror)(BlockGrid&), std::initializer_list<std::array<int, 4>> moves) {
    BlockGrid g = numbered();
    mirror(g);
    for (const auto& [c, r, fromC, fromR] : moves) EXPECT_EQ(g.at(c, r), numbered().at(fromC, fromR));
    EXPECT_TRUE(marginsAsNumbered(g));
    mirror(g);
    EXPECT_EQ(g, numbered());
}

TEST(FieldTransformTest, MirrorsSwapOppositeCellsAndTwiceChangeNothing) {
    expectMirror(maker::mirrorColumns, {{1, 7, 10, 7}, {4, 20, 7, 20}});
    expectMirror(maker::mirrorRows, {{3, 1, 3, 20}, {3, 10, 3, 11}});
}

struct Shift {
    int cols, rows;
    int fromCol, fromRow;  // the cell that lands on (1, 1)
};

class FieldShiftTest : public testing::TestWithParam<Shift> {};

TEST_P(FieldShiftTest, CellsLeavingOneEdgeComeBackAtTheOther) {
    const Shift s = GetParam();
    BlockGrid g = numbered();
    maker::shiftField(g, s.cols, s.rows);
    EXPECT_EQ(g.at(1, 1), numbered().at(s.fromCol, s.fromRow));
    EXPECT_TRUE(marginsAsNumbered(g));
    maker::shiftField(g, -s.cols, -s.rows);
    EXPECT_EQ(g, numbered());
}

INSTANTIATE_TEST_SUITE_P(Steps, FieldShiftTest,
                         testing::Values(Shift{1, 0, 10, 1}, Shift{-1, 0, 2, 1}, Shift{0, 1, 1, 20},
                                         Shift{0, -1, 1, 2}, Shift{10, 20, 1, 1}, Shift{-13, 41, 4, 20}));

}  // namespace
