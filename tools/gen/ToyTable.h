// Parser of data/toys.tsv, the reviewable source of the toy catalogue item.dat and of the toy pictures.
#pragma once

#include <string>
#include <vector>

namespace gen {

inline constexpr int kToySlots = 513;       // catalogue entries 0..512
inline constexpr int kLastDrawnSlot = 511;  // the lottery draws from 0..511 only

struct Toy {
    std::string name;    // UTF-8; empty: the slot holds no toy
    int rarity = 0;      // 1..10 for a named toy
    std::string kind;    // picture recipe, e.g. "flower"
    std::string colour;  // its main colour, e.g. "yellow"
    std::string about;   // UTF-8 description
};

// Reads the tab-separated rows "slot, name, rarity, kind:colour, description" ('#' lines and blank
// lines skipped) into all 513 slots. Throws std::runtime_error naming the line for a malformed row,
// a slot outside 0..511 or given twice, a rarity outside 1..10 and a name used twice (the toy panel
// finds a toy by its name).
std::vector<Toy> parseToyTable(const std::string& text, const std::string& sourceName);

}  // namespace gen
