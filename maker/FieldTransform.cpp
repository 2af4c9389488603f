// Mirroring and wrapping shifts of the shown field.
#include "maker/FieldTransform.h"

namespace maker {
namespace {

using engine::kFieldCols;
using engine::kFieldRows;

// Index 1..n after moving by delta, wrapped within 1..n.
int wrapped(int index, int delta, int n) {
    return ((index - 1 + delta) % n + n) % n + 1;
}

template <class Place>
void remap(engine::BlockGrid& grid, Place place) {
    const engine::BlockGrid old = grid;
    for (int c = 1; c <= kFieldCols; ++c)
        for (int r = 1; r <= kFieldRows; ++r) {
            const auto [toCol, toRow] = place(c, r);
            grid.set(toCol, toRow, old.at(c, r));
        }
}

struct Cell {
    int col, row;
};

}  // namespace

void mirrorColumns(engine::BlockGrid& grid) {
    remap(grid, [](int c, int r) { return Cell{kFieldCols + 1 - c, r}; });
}

void mirrorRows(engine::BlockGrid& grid) {
    remap(grid, [](int c, int r) { return Cell{c, kFieldRows + 1 - r}; });
}

void shiftField(engine::BlockGrid& grid, int cols, int rows) {
    remap(grid, [=](int c, int r) {
        return Cell{wrapped(c, cols, kFieldCols), wrapped(r, rows, kFieldRows)};
    });
}

}  // namespace maker
