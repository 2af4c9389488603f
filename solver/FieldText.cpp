// Spelling a play field in the stage sources' block characters.
#include "solver/FieldText.h"

#include "engine/BlockChars.h"

namespace solver {

std::vector<std::string> fieldText(const engine::BlockGrid& grid) {
    std::vector<std::string> rows;
    for (int r = 1; r <= engine::kFieldRows; ++r) {
        std::string line;
        for (int c = 1; c <= engine::kFieldCols; ++c) {
            const std::int32_t code = grid.at(c, r);
            if (code == engine::Bar)
                line += '_';
            else if (code >= 0 && code < static_cast<std::int32_t>(engine::kBlockChars.size()))
                line += engine::kBlockChars[static_cast<std::size_t>(code)];
            else
                line += '!';
        }
        rows.push_back(std::move(line));
    }
    return rows;
}

}  // namespace solver
