// A quick verdict first: a narrow search finds most clears at a fraction of the full one's cost; only a
// stage it cannot clear gets the full search, with what is left of the budget.
#pragma once

#include "solver/StageSim.h"
#include "solver/StageSolver.h"

namespace solver {

inline constexpr int kNarrowBeamWidth = 2;  // paths kept by the first search

// From a stage just begun, as StageSolver::solve(); the play found is a clear whenever the full search
// alone would find one, though it may cost more. simTicks counts both searches.
StagePlay solveNarrowFirst(StageSim& sim, const SearchLimits& limits);

}  // namespace solver
