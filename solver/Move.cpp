// Texts and lists of the solver's moves.
#include "solver/Move.h"

#include <algorithm>

namespace solver {

std::string describe(const Move& m) {
    const std::string at = " @" + std::to_string(m.atTick);
    switch (m.kind) {
        case Move::Kind::Serve:
            return "serve " + std::to_string(m.column) + at;
        case Move::Kind::Bar:
            return "bar " + std::to_string(m.column) + at;
        case Move::Kind::Turn:
            return "turn" + at;
        case Move::Kind::Explode:
            return "explode" + at;
    }
    return "?" + at;
}

std::vector<Move> MoveChain::unroll(const std::shared_ptr<const MoveChain>& chain) {
    std::vector<Move> moves;
    for (const MoveChain* c = chain.get(); c; c = c->before.get()) moves.push_back(c->move);
    std::reverse(moves.begin(), moves.end());
    return moves;
}

}  // namespace solver
