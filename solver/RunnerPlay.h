// A stage played as zorban_runner plays it: its rules (pace, falls, points), 500 time units and 10 lives
// from the moment the stage is chosen, and the solver's seed for the right clicks' random turns. Moves
// found here play the same in the runner's window when its random generator is given that seed.
#pragma once

#include "solver/StageSim.h"
#include "solver/StageSolver.h"

namespace solver {

// sim: made with the runner's rules; it is left at the end of the play found.
StagePlay solveForRunner(StageSim& sim, const StageData& stage, const SearchLimits& limits = {});

}  // namespace solver
