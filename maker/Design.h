// What a stage file holds, as the editor compares and restores it: grid, title and author.
#pragma once

#include <string>

#include "engine/BlockGrid.h"

namespace maker {

struct Design {
    engine::BlockGrid grid;
    std::string title;
    std::string author;

    bool operator==(const Design&) const = default;
    // Nothing painted or typed: discarding it loses nothing.
    bool blank() const { return title.empty() && author.empty() && grid == engine::BlockGrid{}; }
};

}  // namespace maker
