// The game's sound effects as synthesis recipes: one Sound per file name the game plays.
#pragma once

#include <vector>

#include "tools/gen/WaveFile.h"

namespace gen {

// Every effect, in a fixed order and with fixed seeds. Most are 8-bit mono 11,025 Hz like the
// mixer's own output; a few are 16-bit, stereo or 22,050 Hz so that loading converts them.
std::vector<Sound> soundEffects();

}  // namespace gen
