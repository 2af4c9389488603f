// Everything the status tick reads, taken before and after a tick: a tick that changed none of it has
// nothing to do at the next one, until something else changes it. What only the ball tick reads (the ball's,
// the trail's and the bar's places, the field's pixels) is left out, so a ball tick that hit nothing leaves
// the status tick resting.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/GameState.h"
#include "engine/PlayControls.h"

namespace engine {

struct StatusInputs {
    PlayPhase phase = PlayPhase::StartPanel;
    tmy my;
    std::array<std::int32_t, kFieldCols * kFieldRows> field{};
    std::string stageTitle;
    std::int32_t effectTicks = 0, colourPhase = 0, timePresent = 0, lastStageNo = 0;
    std::uint8_t courseNo = 0;
    int ballTickMs = 0, countdownMs = 0;  // Timer1's and Timer5's intervals
    std::uint64_t controlChanges = 0;     // every caption, colour, visibility and picture of the window
    bool operator==(const StatusInputs&) const = default;

    static StatusInputs of(const GameState& s, const PlayControls& c);
};

}  // namespace engine
