// Plays a recorded list of moves through a stage again: how a found play is checked to be a real one.
#pragma once

#include <cstdint>
#include <vector>

#include "solver/Move.h"
#include "solver/StageSim.h"

namespace solver {

// From a stage just begun: makes each move once the stage has had its atTick ball ticks, letting the
// ball run in between, until the stage ends, the ball waits with no move left for it, or maxTicks.
Phase replayMoves(StageSim& sim, const std::vector<Move>& moves, std::int64_t maxTicks);

}  // namespace solver
