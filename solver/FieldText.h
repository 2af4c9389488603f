// The play field as the stage sources spell it: 20 lines of 10 block characters.
#pragma once

#include <string>
#include <vector>

#include "engine/BlockGrid.h"

namespace solver {

// Rows 1..20, columns 1..10, in the characters of the stage sources; the bar is '_', a code outside
// the table '!'.
std::vector<std::string> fieldText(const engine::BlockGrid& grid);

}  // namespace solver
