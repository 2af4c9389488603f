// The beam search: each level expands every kept path by the player's options at its next decision
// (serve column, or where the bar meets the falling ball), runs each option to the following decision,
// and keeps the cheapest distinct paths; the first level that clears the stage ends the search.
#include "tools/solver/StageSolver.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

namespace solver {
namespace {

using engine::kBarRow;
using engine::kFieldCols;
using engine::kFieldRows;

// Path cost in ball ticks: what a hit still needed, a lost life and a right click are worth.
constexpr double kTicksPerHit = 50;
constexpr double kTicksPerLife = 4000;
constexpr double kTicksPerTurn = 100;  // 5 time units are about 90 ticks of 56 ms
constexpr int kStallLevels = 6;        // levels without progress before right clicks are tried
constexpr int kTurnDelays[] = {1, 3, 5, 8, 12};  // ticks after a contact or serve at which to turn
constexpr int kReach = 2;              // bar centres tried on each side of where the ball comes down
constexpr int kContactRow = kBarRow - 2;  // a ball falling onto this row meets the bar at the next tick
constexpr int kLastChanceRow = kBarRow;   // the bar moved onto a ball here lifts it

bool counts(std::int32_t code) {
    return code != engine::Empty && code != engine::Wall && code != engine::Deadly && code != engine::Bar;
}

std::uint64_t mix(std::uint64_t h, std::int64_t v) {
    h ^= static_cast<std::uint64_t>(v);
    return h * 0x100000001B3ull;
}

// Distinguishes search states that can play out differently.
std::uint64_t stateKey(const engine::GameState& s, Phase phase) {
    std::uint64_t h = 0xCBF29CE484222325ull;
    for (int c = 1; c <= kFieldCols; ++c)
        for (int r = 1; r <= kFieldRows; ++r)
            if (r != kBarRow) h = mix(h, s.blockGrid.at(c, r));
    for (std::int64_t v : {std::int64_t(s.my.ballX), std::int64_t(s.my.ballY), std::int64_t(s.ballDX),
                           std::int64_t(s.ballDY), std::int64_t(s.my.barHalfWidth), std::int64_t(s.effectTicks > 0),
                           std::int64_t(s.my.hp), std::int64_t(phase)})
        h = mix(h, v);
    return h;
}

bool fallingOntoBar(const engine::GameState& s) {
    return s.ballDY == 1 && (s.my.ballY == kContactRow || s.my.ballY == kContactRow + 1);
}

}  // namespace

std::int32_t countedBlocks(const engine::BlockGrid& grid) {
    std::int32_t n = 0;
    for (int c = 1; c <= kFieldCols; ++c)
        for (int r = 1; r <= kFieldRows; ++r) n += counts(grid.at(c, r)) ? 1 : 0;
    return n;
}

std::int32_t workLeft(const engine::BlockGrid& grid) {
    std::int32_t n = 0;
    for (int c = 1; c <= kFieldCols; ++c)
        for (int r = 1; r <= kFieldRows; ++r) {
            const std::int32_t code = grid.at(c, r);
            if (code >= engine::Hard1 && code <= engine::Hard8)
                n += code;
            else if (counts(code))
                n += 1;
        }
    return n;
}

struct StageSolver::Node {
    StageSim::Snapshot snap;
    std::shared_ptr<const MoveChain> moves;
    Phase phase = Phase::Waiting;
    std::int32_t work = 0;
    double cost = 0;
    std::uint64_t key = 0;
    bool stalled = false;  // set for the expansion: right clicks may be tried
};

StageSolver::NodePtr StageSolver::makeNode(std::shared_ptr<const MoveChain> moves) const {
    auto n = std::make_shared<Node>();
    n->snap = sim_.snapshot();
    n->moves = std::move(moves);
    n->phase = sim_.phase();
    n->work = workLeft(sim_.state().blockGrid);
    n->cost = n->work * kTicksPerHit + static_cast<double>(sim_.ticks()) + sim_.livesLost() * kTicksPerLife +
              sim_.turns() * kTicksPerTurn;
    n->key = stateKey(sim_.state(), n->phase);
    return n;
}

void StageSolver::runSegment() {
    for (int n = 0; sim_.phase() == Phase::InPlay; ++n) {
        if (n >= limits_.segmentTickCap) return;
        sim_.step();
        ++simTicks_;
        if (fallingOntoBar(sim_.state())) return;
    }
}

void StageSolver::finishChild(std::shared_ptr<const MoveChain> moves, std::vector<NodePtr>& children) {
    const StageSim::Snapshot start = sim_.snapshot();
    runSegment();
    children.push_back(makeNode(moves));
    if (!expandTurns_) return;
    // The same start with a right click a few ticks in.
    for (int delay : kTurnDelays) {
        sim_.restore(start);
        int waited = 0;
        while (waited < delay && sim_.phase() == Phase::InPlay) {
            sim_.step();
            ++simTicks_;
            ++waited;
            if (fallingOntoBar(sim_.state())) break;
        }
        if (waited < delay || sim_.phase() != Phase::InPlay) break;
        auto turned = MoveChain::append(moves, Move{Move::Kind::Turn, 0, sim_.ticks()});
        sim_.turn();
        runSegment();
        children.push_back(makeNode(std::move(turned)));
    }
}

void StageSolver::expandServe(const Node& node, std::vector<NodePtr>& children) {
    int lastBar = -1;
    for (int col = 1; col <= kFieldCols; ++col) {
        sim_.restore(node.snap);
        sim_.moveBarTo(col);
        if (sim_.state().my.barX == lastBar) continue;  // the same place as the column before
        lastBar = sim_.state().my.barX;
        sim_.serveFrom(col);
        finishChild(MoveChain::append(node.moves, Move{Move::Kind::Serve, col, sim_.ticks()}), children);
    }
}

void StageSolver::expandContact(const Node& node, std::vector<NodePtr>& children) {
    const engine::tmy& my = node.snap.play.state.my;
    const int half = my.barHalfWidth;
    const int lo = half + 1, hi = kFieldCols - half;
    const int arrival = my.ballX + node.snap.play.state.ballDX;  // the ball moves before it probes
    std::vector<int> places;
    auto addPlace = [&](int col) {
        col = std::clamp(col, lo, hi);
        if (std::find(places.begin(), places.end(), col) == places.end()) places.push_back(col);
    };
    for (int d = -kReach; d <= kReach; ++d) addPlace(arrival + d);
    addPlace(arrival <= kFieldCols / 2 ? hi : lo);  // out of the way: the ball falls past the bar

    std::vector<std::uint64_t> seen;
    auto keep = [&](std::shared_ptr<const MoveChain> moves) {
        const engine::GameState& s = sim_.state();
        const std::uint64_t k = mix(stateKey(s, sim_.phase()), sim_.ticks());
        if (std::find(seen.begin(), seen.end(), k) != seen.end()) return;
        seen.push_back(k);
        finishChild(std::move(moves), children);
    };
    for (int col : places) {
        sim_.restore(node.snap);
        sim_.moveBarTo(col);
        auto moves = MoveChain::append(node.moves, Move{Move::Kind::Bar, col, sim_.ticks()});
        sim_.step();
        ++simTicks_;
        const engine::GameState& s = sim_.state();
        if (sim_.phase() != Phase::InPlay || s.ballDY != 1 || s.my.ballY != kLastChanceRow) {
            keep(std::move(moves));
            continue;
        }
        // Fallen past the bar: it can still be moved onto the ball, centre or either side.
        const StageSim::Snapshot below = sim_.snapshot();
        const int ballX = s.my.ballX;
        for (int d = -1; d <= 1; ++d) {
            sim_.restore(below);
            sim_.moveBarTo(ballX + d);
            auto late = MoveChain::append(moves, Move{Move::Kind::Bar, ballX + d, sim_.ticks()});
            sim_.step();
            ++simTicks_;
            if (sim_.phase() == Phase::InPlay && sim_.state().ballDY == -1) keep(std::move(late));
        }
    }
}

void StageSolver::expandLoose(const Node& node, std::vector<NodePtr>& children) {
    sim_.restore(node.snap);
    finishChild(node.moves, children);
    sim_.restore(node.snap);
    auto turned = MoveChain::append(node.moves, Move{Move::Kind::Turn, 0, sim_.ticks()});
    sim_.turn();
    runSegment();
    children.push_back(makeNode(std::move(turned)));
}

void StageSolver::expand(const Node& node, std::vector<NodePtr>& children) {
    expandTurns_ = limits_.turns && node.stalled;
    sim_.restore(node.snap);
    if (node.phase == Phase::Waiting)
        expandServe(node, children);
    else if (fallingOntoBar(sim_.state()))
        expandContact(node, children);
    else
        expandLoose(node, children);
}

StagePlay StageSolver::finish(const Node& node) {
    sim_.restore(node.snap);
    StagePlay p;
    p.end = node.phase;
    p.ticks = sim_.ticks();
    p.timeUsed = sim_.timeAtStart() - sim_.state().my.timeLeft;
    p.livesLost = sim_.livesLost();
    p.turns = sim_.turns();
    p.blocksLeft = countedBlocks(sim_.state().blockGrid);
    p.simTicks = simTicks_;
    p.moves = MoveChain::unroll(node.moves);
    return p;
}

StagePlay StageSolver::solve() {
    simTicks_ = 0;
    std::vector<NodePtr> beam{makeNode(nullptr)};
    if (beam.front()->phase != Phase::Waiting && beam.front()->phase != Phase::InPlay) return finish(*beam.front());
    NodePtr bestDead;
    std::int32_t bestWork = beam.front()->work;
    int levelsSinceProgress = 0;
    auto better = [](const NodePtr& a, const NodePtr& b) { return a->cost < b->cost; };

    while (!beam.empty() && simTicks_ < limits_.simTickBudget) {
        std::vector<NodePtr> children;
        const bool stalled = levelsSinceProgress >= kStallLevels;
        for (const NodePtr& n : beam) {
            n->stalled = stalled;
            expand(*n, children);
        }
        NodePtr bestClear;
        std::vector<NodePtr> alive;
        for (NodePtr& c : children) {
            if (c->phase == Phase::Cleared) {
                const auto rank = [](const Node& n) {
                    return std::pair{n.snap.livesLost, n.snap.ticks + n.snap.turns * kTicksPerTurn};
                };
                if (!bestClear || rank(*c) < rank(*bestClear)) bestClear = c;
            } else if (c->phase == Phase::GameOver) {
                if (!bestDead || std::pair{c->work, c->cost} < std::pair{bestDead->work, bestDead->cost}) bestDead = c;
            } else {
                alive.push_back(std::move(c));
            }
        }
        if (bestClear) return finish(*bestClear);
        // One path per distinct state, the cheapest.
        std::unordered_map<std::uint64_t, NodePtr> distinct;
        for (NodePtr& c : alive) {
            auto [it, fresh] = distinct.try_emplace(c->key, c);
            if (!fresh && better(c, it->second)) it->second = c;
        }
        beam.clear();
        for (auto& [key, n] : distinct) beam.push_back(n);
        std::sort(beam.begin(), beam.end(), [&](const NodePtr& a, const NodePtr& b) {
            return a->cost != b->cost ? a->cost < b->cost : a->key < b->key;  // key: a fixed order for ties
        });
        if (beam.size() > static_cast<std::size_t>(limits_.beamWidth)) beam.resize(limits_.beamWidth);
        std::int32_t levelWork = std::numeric_limits<std::int32_t>::max();
        for (const NodePtr& n : beam) levelWork = std::min(levelWork, n->work);
        if (levelWork < bestWork) {
            bestWork = levelWork;
            levelsSinceProgress = 0;
        } else {
            ++levelsSinceProgress;
        }
    }
    if (!beam.empty()) {
        auto least = std::min_element(beam.begin(), beam.end(), [](const NodePtr& a, const NodePtr& b) {
            return std::pair{a->work, a->cost} < std::pair{b->work, b->cost};
        });
        return finish(**least);
    }
    return finish(*bestDead);
}

}  // namespace solver
