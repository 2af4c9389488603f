// The runner's start of a stage, for the solver.
#include "solver/RunnerPlay.h"

namespace solver {

StagePlay solveForRunner(StageSim& sim, const StageData& stage, const SearchLimits& limits) {
    sim.startRunner();
    sim.beginStage(stage, 0);
    return StageSolver(sim, limits).solve();
}

}  // namespace solver
