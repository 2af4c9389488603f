// Finds a way through one stage: a beam search over the player's choices at every serve and every
// time the falling ball reaches the bar, played through the real engine.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "tools/solver/Move.h"
#include "tools/solver/StageSim.h"

namespace solver {

struct SearchLimits {
    int beamWidth = 10;                       // paths kept after each decision
    std::int64_t simTickBudget = 1'500'000;   // ball ticks simulated over all paths of one stage
    int segmentTickCap = 720;                 // ticks without the ball coming down before the player acts
    bool turns = true;                        // whether right clicks may be tried
};

// How the search left the stage.
struct StagePlay {
    Phase end = Phase::Waiting;  // Cleared, GameOver, or Waiting / InPlay when the budget ran out
    std::int64_t ticks = 0;      // ball ticks of the chosen path
    std::int32_t timeUsed = 0;   // time units the player saw go (start of stage minus end)
    std::int32_t livesLost = 0;
    std::int32_t turns = 0;
    std::int32_t blocksLeft = 0; // counted cells left in the field
    std::int64_t simTicks = 0;   // effort: ball ticks simulated by the search
    std::vector<Move> moves;
    bool cleared() const { return end == Phase::Cleared; }
};

// Counted cells of the play field (what keeps a stage from being cleared).
std::int32_t countedBlocks(const engine::BlockGrid& grid);
// Hits still needed: a hard block of code c needs c hits, any other counted cell one.
std::int32_t workLeft(const engine::BlockGrid& grid);

class StageSolver {
public:
    explicit StageSolver(StageSim& sim, SearchLimits limits = {}) : sim_(sim), limits_(limits) {}

    // From a stage just begun (ball waiting over the bar): searches, then leaves the sim in the end
    // state of the chosen path.
    StagePlay solve();

private:
    struct Node;
    using NodePtr = std::shared_ptr<Node>;

    void expand(const Node& node, std::vector<NodePtr>& children);
    void expandServe(const Node& node, std::vector<NodePtr>& children);
    void expandContact(const Node& node, std::vector<NodePtr>& children);
    void expandLoose(const Node& node, std::vector<NodePtr>& children);
    // Continues from the sim's current state to the next decision and records the child.
    void finishChild(std::shared_ptr<const MoveChain> moves, std::vector<NodePtr>& children);
    // Runs the sim until the next decision, the end of the stage or the segment cap.
    void runSegment();
    NodePtr makeNode(std::shared_ptr<const MoveChain> moves) const;
    StagePlay finish(const Node& node);

    StageSim& sim_;
    SearchLimits limits_;
    std::int64_t simTicks_ = 0;
    bool expandTurns_ = false;  // the node being expanded has stalled: try right clicks too
};

}  // namespace solver
