// Parser of a course's stage source: for each stage a title, an author and a 10 x 20 character grid.
#pragma once

#include <string>
#include <vector>

#include "engine/BlockGrid.h"

namespace gen {

struct StageSource {
    int index = 0;           // stage index within the course, from 0
    std::string title;       // UTF-8
    std::string author;      // UTF-8
    engine::BlockGrid grid;  // play field filled, margins and the bar row empty
};

// Reads the course source text (UTF-8). Layout, blank lines and lines starting with ';' skipped:
//   stage <n>          stages numbered 0, 1, 2 ... in order
//   title: <text>
//   author: <text>
//   20 lines of 10 block characters (see BlockChars.h), rows 1..20, columns 1..10
// Throws std::runtime_error naming the source and line for anything else, for an unknown character
// and for a block in the bar row.
std::vector<StageSource> parseCourseSource(const std::string& text, const std::string& sourceName);

}  // namespace gen
