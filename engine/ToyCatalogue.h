// Reads the toy catalogue item.dat: 513 groups of name line, rarity integer and description line.
#pragma once

#include <array>
#include <string>

#include "engine/GameState.h"

namespace engine {

// Fills table in place, slot by slot; throws base::IoError as the text reader does, leaving the slots read
// so far filled and the rest as they were.
void loadToyCatalogue(const std::string& path, std::array<titem, kToyCount>& table);
// The same from bytes already in memory (fuzzing, tests).
void loadToyCatalogueBytes(std::string bytes, std::array<titem, kToyCount>& table);

}  // namespace engine
