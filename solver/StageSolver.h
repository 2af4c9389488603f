// Finds a way through one stage, played through the real engine: a beam search from hit to hit, each
// next hit found by trying the player's choices (serve column, where the bar meets the falling ball,
// right clicks) cheapest first.
#pragma once

#include <cstdint>
#include <memory>
#include <stop_token>
#include <string>
#include <unordered_map>
#include <vector>

#include "solver/Move.h"
#include "solver/StageSim.h"

namespace solver {

struct SearchLimits {
    std::int64_t simTickBudget = 1'500'000;  // ball ticks simulated over all paths of one stage
    std::int64_t stepTickBudget = 60'000;    // of those, at most this many looking for one path's next hit
    int beamWidth = 24;                      // paths kept after each hit
    int outcomesPerPath = 6;                 // next hits looked for from each kept path
    int segmentTickCap = 720;                // ticks without the ball coming down before the player acts
    int turnScanTicks = 48;                  // ticks of a flight at which a right click is tried
    double ticksPerHit = 12;                 // what a hit still needed is reckoned to cost
    bool turns = true;                       // whether right clicks may be tried
    bool explosions = true;                  // whether left clicks in play (a life each) may be tried
    std::stop_token stop;                    // a request here ends the search as a spent budget does
};

// How the search left the stage.
struct StagePlay {
    Phase end = Phase::Waiting;  // Cleared, GameOver, or Waiting / InPlay when the budget ran out
    std::int64_t ticks = 0;      // ball ticks of the chosen path
    std::int32_t timeUsed = 0;   // time units the player saw go (start of stage minus end)
    std::int32_t livesLost = 0;
    std::int32_t turns = 0;
    std::int32_t explosions = 0;
    std::int32_t blocksLeft = 0;  // counted cells left in the field
    std::int64_t simTicks = 0;    // effort: ball ticks simulated by the search
    bool searchCut = false;       // the budget ran out (or a stop came) before every way was tried
    bool turnsTried = false;      // the kinds of moves the search tried besides serves and the bar
    bool explosionsTried = false;
    std::vector<Move> moves;
    std::vector<std::string> field;  // the play field at the end, as FieldText spells it
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
    enum class Look : std::uint8_t;
    struct Node;
    using NodePtr = std::shared_ptr<Node>;
    class HitSearch;
    // The state right after the player acted at a decision, before the ball runs on.
    struct Outcome {
        StageSim::Snapshot snap;
        std::shared_ptr<const MoveChain> moves;
        std::uint64_t key = 0;  // the state's, when already known
    };

    // The cheapest ways from a path to its next change of the field (or the end of the stage).
    std::vector<NodePtr> nextHits(const NodePtr& from);
    // What the player can do at the node's decision, each distinct result once.
    std::vector<Outcome> outcomes(const Node& node);
    void serveOutcomes(const Node& node, std::vector<Outcome>& out);
    void contactOutcomes(const Node& node, std::vector<Outcome>& out);
    // Runs the sim until the next decision, the end of the stage or the segment cap.
    void runSegment();
    // The states at each tick of the flight that led to the node where the player may click.
    std::vector<StageSim::Snapshot> flightMoments(const Node& node);
    // The paths with a right click at each tick of the flight that led to the node.
    std::vector<NodePtr> turnPaths(const Node& node);
    // The paths with an explosion at each tick of that flight that clears something.
    std::vector<NodePtr> explosionPaths(const Node& node);
    // A node of the sim's state, reached by moves; its flight began at flightStart.
    NodePtr makeNode(std::shared_ptr<const MoveChain> moves,
                     std::shared_ptr<const StageSim::Snapshot> flightStart, std::uint64_t flightKey,
                     bool afterTurn);
    void noteProgress(const NodePtr& n);
    // Ticks of the sim's path, with what its lost lives and right clicks are worth.
    double pathCost() const;
    StagePlay finish(const Node& node);
    // The budget is spent or the caller asked the search to stop.
    bool outOfBudget() const { return simTicks_ >= limits_.simTickBudget || limits_.stop.stop_requested(); }

    StageSim& sim_;
    SearchLimits limits_;
    std::int64_t simTicks_ = 0;
    std::uint64_t made_ = 0;        // nodes made, for a fixed order among equal costs
    NodePtr bestAlive_, bestDead_;  // the most progress, for a stage that is not cleared
    // Transpositions over the whole search: the least cost at which a state was expanded, and at
    // which a flight was looked at again for clicks during it.
    std::unordered_map<std::uint64_t, double> expanded_, flights_;
    bool stepCut_ = false;  // a path's next hit was given up at the budget of one step
};

}  // namespace solver
