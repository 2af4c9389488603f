// Whole-field edits of the shown 10 x 20 field: mirror it, or move it by whole columns and rows.
// Cells outside the field (the margins) stay where they are.
#pragma once

#include "engine/BlockGrid.h"

namespace maker {

// Left and right change places (column c and column 11 - c).
void mirrorColumns(engine::BlockGrid& grid);
// Top and bottom change places (row r and row 21 - r).
void mirrorRows(engine::BlockGrid& grid);
// Moves the field by cols to the right (negative: left) and rows down (negative: up). What leaves one
// edge comes back in at the opposite one, so no block is lost and the opposite shift undoes it.
void shiftField(engine::BlockGrid& grid, int cols, int rows);

}  // namespace maker
