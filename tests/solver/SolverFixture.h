// Hand-made stages for the solver's tests, written in the stage sources' characters.
#pragma once

#include <string>
#include <vector>

#include "engine/BlockChars.h"
#include "engine/BlockGrid.h"
#include "engine/StageFile.h"
#include "solver/StageSim.h"

namespace solvertest {

inline constexpr char kCode30 = '!';  // a code outside the table: solid, unbreakable, counted

// Up to 20 rows of 10 characters from row 1 down; rows not given are empty.
inline solver::StageData stage(const std::vector<std::string>& rows, std::string title = "test") {
    solver::StageData s;
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const char ch = rows[r][c];
            const int code = ch == kCode30 ? 30 : engine::blockCodeOf(ch).value_or(0);
            s.grid.set(static_cast<int>(c) + 1, static_cast<int>(r) + 1, code);
        }
    s.title = std::move(title);
    s.author = "tester";
    return s;
}

inline void writeStage(const std::string& path, const solver::StageData& s) {
    engine::saveStageFile(path, s.grid, s.title, s.author);
}

// A single white block straight above the serve column 5.
inline const std::vector<std::string> kOneBlock{"..........", "..........", "....o....."};

}  // namespace solvertest
