// The five lines of the posting file, which the player pastes into the ranking's score board.
#pragma once

#include <array>
#include <string>

#include "engine/GameState.h"

namespace game {

inline constexpr int kPostingLines = 5;

// highText: what the high-score label shows at that moment (the file quotes the label, not hiScore).
std::array<std::string, kPostingLines> postingLines(std::uint8_t courseNo, const engine::tmy& my,
                                                    const std::string& highText);

// Toy slots held exactly once; toys held more than once do not count.
int toysHeldOnce(const engine::tmy& my);

}  // namespace game
