// The narrow search, then the full one.
#include "solver/NarrowFirst.h"

#include <algorithm>

namespace solver {

StagePlay solveNarrowFirst(StageSim& sim, const SearchLimits& limits) {
    if (limits.beamWidth <= kNarrowBeamWidth) return StageSolver(sim, limits).solve();
    const StageSim::Snapshot start = sim.snapshot();
    SearchLimits narrow = limits;
    narrow.beamWidth = kNarrowBeamWidth;
    StagePlay first = StageSolver(sim, narrow).solve();
    if (first.cleared() || limits.stop.stop_requested()) return first;
    sim.restore(start);
    SearchLimits full = limits;
    full.simTickBudget = std::max<std::int64_t>(limits.simTickBudget - first.simTicks, 1);
    StagePlay play = StageSolver(sim, full).solve();
    play.simTicks += first.simTicks;
    return play;
}

}  // namespace solver
