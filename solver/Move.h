// One thing the solver's player does with the mouse, at a given ball tick of the stage.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace solver {

struct Move {
    enum class Kind : std::uint8_t {
        Serve,    // pointer over column, left click while the ball waits
        Bar,      // pointer over column while the ball runs
        Turn,     // right click (5 time units)
        Explode,  // left click while the ball runs (one life)
    };
    Kind kind = Kind::Bar;
    std::int32_t column = 0;  // Serve and Bar: 1..10
    std::int64_t atTick = 0;  // made after this many ball ticks of the stage

    bool operator==(const Move&) const = default;
};

// "serve 5 @0", "bar 7 @31", "turn @40", "explode @52".
std::string describe(const Move& m);

// The moves of a search path, shared between the paths that branch from it.
struct MoveChain {
    Move move;
    std::shared_ptr<const MoveChain> before;

    static std::shared_ptr<const MoveChain> append(std::shared_ptr<const MoveChain> chain, Move m) {
        return std::make_shared<const MoveChain>(MoveChain{m, std::move(chain)});
    }
    // First move first.
    static std::vector<Move> unroll(const std::shared_ptr<const MoveChain>& chain);
};

}  // namespace solver
