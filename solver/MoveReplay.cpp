// Replaying moves through the engine.
#include "solver/MoveReplay.h"

namespace solver {

Phase replayMoves(StageSim& sim, const std::vector<Move>& moves, std::int64_t maxTicks) {
    std::size_t next = 0;
    for (;;) {
        for (; next < moves.size() && moves[next].atTick <= sim.ticks(); ++next) {
            const Move& m = moves[next];
            switch (m.kind) {
                case Move::Kind::Serve:
                    sim.serveFrom(m.column);
                    break;
                case Move::Kind::Bar:
                    sim.moveBarTo(m.column);
                    break;
                case Move::Kind::Turn:
                    sim.turn();
                    break;
                case Move::Kind::Explode:
                    sim.explode();
                    break;
            }
        }
        const Phase p = sim.phase();
        if (p != Phase::InPlay || sim.ticks() >= maxTicks) return p;
        sim.step();
    }
}

}  // namespace solver
