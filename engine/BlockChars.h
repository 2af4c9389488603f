// The one-character spelling of block codes used by the stage sources under data/stages/.
#pragma once

#include <optional>
#include <string_view>

namespace engine {

// Character of each block code 0..29; a blank marks a code that no stage may hold (the bar, 26).
inline constexpr std::string_view kBlockChars = ".o12345678*sA#x=-hbmp<k>+r eE?";

// The block code a source character stands for, or nothing for a character outside the table.
constexpr std::optional<int> blockCodeOf(char c) {
    if (c == ' ') return std::nullopt;
    const auto at = kBlockChars.find(c);
    if (at == std::string_view::npos) return std::nullopt;
    return static_cast<int>(at);
}

}  // namespace engine
