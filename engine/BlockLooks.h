// How each block code looks on the field, in play (the flashing kinds at a colour phase) and in the editor:
// one row a code, beside the table of what a hit on it does.
#pragma once

#include <cstdint>
#include <optional>

#include "base/Colour.h"

namespace engine {

inline constexpr int kColourPhases = 6;  // steps of the flashing kinds

enum class FieldView { Play, Editor };

// How one cell is painted. A missing pen keeps the outline the previous cell left.
struct CellLook {
    std::optional<base::Colour> pen = base::colours::Black;
    base::Colour brush = base::colours::Black;
    const char* label = nullptr;
    base::Colour labelColour = base::colours::Black;
};

// The look of code (0..29) at colour phase 0..5 (the editor's never flashes).
CellLook lookOf(std::int32_t code, int phase, FieldView view);

// Whether a cell of code is drawn two cells high, over the cell below it: every kind from the bomb to the
// pale red block and the EX blocks, and in the editor the invisible block.
bool drawnTall(std::int32_t code, FieldView view);

}  // namespace engine
