// Packing and unpacking of a block grid for the undo history.
#include "maker/CompactGrid.h"

#include <algorithm>

namespace maker {

CompactGrid::CompactGrid(const engine::BlockGrid& grid) {
    const auto filled = static_cast<std::size_t>(
        std::count_if(grid.cells.begin(), grid.cells.end(), [](std::int32_t c) { return c != 0; }));
    if (filled * sizeof(Cell) >= grid.cells.size() * sizeof(std::int32_t)) {
        dense_.assign(grid.cells.begin(), grid.cells.end());
        return;
    }
    sparse_.reserve(filled);
    for (std::size_t i = 0; i < grid.cells.size(); ++i)
        if (grid.cells[i] != 0) sparse_.push_back({static_cast<std::uint16_t>(i), grid.cells[i]});
}

engine::BlockGrid CompactGrid::expand() const {
    engine::BlockGrid grid;
    if (!dense_.empty()) {
        std::copy(dense_.begin(), dense_.end(), grid.cells.begin());
        return grid;
    }
    for (const Cell& c : sparse_) grid.cells[c.index] = c.code;
    return grid;
}

std::size_t CompactGrid::bytes() const {
    return sparse_.capacity() * sizeof(Cell) + dense_.capacity() * sizeof(std::int32_t);
}

}  // namespace maker
