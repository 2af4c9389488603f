// A block grid kept small for the undo history: only its non-empty cells, or every cell when most are set.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/BlockGrid.h"

namespace maker {

class CompactGrid {
  public:
    explicit CompactGrid(const engine::BlockGrid& grid);

    engine::BlockGrid expand() const;
    // Heap bytes held (the cells kept), for the history's memory figure.
    std::size_t bytes() const;

  private:
    struct Cell {
        std::uint16_t index;  // col * 100 + row
        std::int32_t code;
    };
    // A stage's field is 200 cells, so the sparse form is the usual one; a grid with more non-empty
    // cells than the dense copy would cost is kept whole instead.
    std::vector<Cell> sparse_;
    std::vector<std::int32_t> dense_;  // empty unless the grid is kept whole
};

}  // namespace maker
