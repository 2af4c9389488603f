// The search: a beam of paths advances from one change of the field to the next. From each kept
// path, the ways to its next change are found cheapest first (a path's cost is its ball ticks plus
// what its lost lives and right clicks are worth), trying every serve column and every place of the bar
// under the falling ball, and right clicks at any tick of a flight as a dearer second look, explosions
// (a life each) as a dearer third. Of all the changes found, the cheapest distinct ones, reckoning a price
// for each hit still needed, are kept. Once a path clears the stage, only paths still cheaper than it go
// on; the cheapest clear is the play. A state expanded once is not expanded again at a cost no lower,
// whichever path reaches it: the search ends by itself on a field where nothing more can be broken.
#include "solver/StageSolver.h"

#include <algorithm>
#include <array>

#include "engine/GameConstants.h"
#include "solver/FieldText.h"

namespace solver {
namespace {

using engine::kBarRow;
using engine::kFieldCols;
using engine::kFieldRows;

// Prices in ball ticks.
constexpr double kTicksPerBall = 2000;    // a life lost with the ball
constexpr double kTicksPerPoison = 200;   // a life taken by a poison block, which the field may demand
constexpr double kTicksPerTurn = 100;     // 5 time units are about 90 ticks of 56 ms
constexpr int kReach = 2;                 // bar centres tried on each side of where the ball comes down
constexpr int kContactRow = kBarRow - 2;  // a ball falling onto this row meets the bar at the next tick
constexpr int kLastChanceRow = kBarRow;   // the bar moved onto a ball here lifts it

std::uint64_t mix(std::uint64_t h, std::int64_t v) {
    h ^= static_cast<std::uint64_t>(v);
    return h * 0x100000001B3ull;
}

constexpr std::uint64_t kHashStart = 0xCBF29CE484222325ull;

// Something an explosion around (col, row) would clear: a cell of the field that is not empty or the bar
// (the bar comes back with the next mouse move).
bool explosionClears(const engine::BlockGrid& g, int col, int row) {
    for (int c = std::max(col - 1, 1); c <= std::min(col + 1, kFieldCols); ++c)
        for (int r = std::max(row - 1, 1); r <= std::min(row + 1, kFieldRows); ++r) {
            const std::int32_t code = g.at(c, r);
            if (code != engine::Empty && code != engine::Bar) return true;
        }
    return false;
}

// The play field but the bar's row, a column of cells at a time.
std::uint64_t fieldKey(const engine::GameState& s) {
    std::uint64_t h = kHashStart;
    for (int c = 1; c <= kFieldCols; ++c) {
        std::array<std::int32_t, kFieldRows> column;
        std::copy_n(s.blockGrid.cells.begin() + c * engine::kGridSize + 1, kFieldRows, column.begin());
        column[kBarRow - 1] = 0;
        for (int r = 0; r < kFieldRows; r += 2) {
            const std::uint64_t pair = static_cast<std::uint32_t>(column[r]) |
                                       static_cast<std::uint64_t>(static_cast<std::uint32_t>(column[r + 1]))
                                           << 32;
            h = (h ^ pair) * 0x9E3779B97F4A7C15ull;
            h ^= h >> 29;
        }
    }
    return h;
}

// The ball, the bar's size and the effects (lives and time aside: the path cost covers them).
std::uint64_t ballKey(const engine::GameState& s, Phase phase) {
    std::uint64_t h = kHashStart;
    for (std::int64_t v :
         {std::int64_t(s.my.ballX), std::int64_t(s.my.ballY), std::int64_t(s.ballDX), std::int64_t(s.ballDY),
          std::int64_t(s.my.barHalfWidth), std::int64_t(s.effectTicks > 0), std::int64_t(phase)})
        h = mix(h, v);
    return h;
}

// Distinguishes states that can play out differently.
std::uint64_t stateKey(const engine::GameState& s, Phase phase) {
    return mix(fieldKey(s), ballKey(s, phase));
}

bool fallingOntoBar(const engine::GameState& s) {
    return s.ballDY == 1 && (s.my.ballY == kContactRow || s.my.ballY == kContactRow + 1);
}

}  // namespace

std::int32_t countedBlocks(const engine::BlockGrid& grid) {
    std::int32_t n = 0;
    for (int c = 1; c <= kFieldCols; ++c)
        for (int r = 1; r <= kFieldRows; ++r) n += engine::isCounted(grid.at(c, r)) ? 1 : 0;
    return n;
}

std::int32_t workLeft(const engine::BlockGrid& grid) {
    std::int32_t n = 0;
    for (int c = 1; c <= kFieldCols; ++c)
        for (int r = 1; r <= kFieldRows; ++r) {
            const std::int32_t code = grid.at(c, r);
            if (code >= engine::Hard1 && code <= engine::Hard8)
                n += code;
            else if (engine::isCounted(code))
                n += 1;
        }
    return n;
}

enum class StageSolver::Look : std::uint8_t { None, Turns, Explosions };

struct StageSolver::Node {
    StageSim::Snapshot snap;
    std::shared_ptr<const MoveChain> moves;
    Phase phase = Phase::Waiting;
    std::int32_t work = 0;
    double cost = 0;            // ticks, lives and turns spent
    double score = 0;           // cost plus the price of the hits still needed
    double queued = 0;          // where it waits its turn: the cost, more for a second look
    std::uint64_t key = 0;      // the whole state
    std::uint64_t field = 0;    // the field alone
    std::uint64_t ballKey = 0;  // the state but the field
    std::uint64_t order = 0;
    std::shared_ptr<const StageSim::Snapshot> flightStart;  // just after the last move; null at the start
    std::uint64_t flightKey = 0;                            // the state there
    bool afterTurn = false;                                 // the last move was a right click
    Look look = Look::None;  // a second look: only clicks of this kind during the flight that led here
    bool changed = false;    // the field differs from where the search for the next hit began
};

namespace {

// Heap order: the cheapest path on top, then the earliest made.
struct Dearer {
    template <class P>
    bool operator()(const P& a, const P& b) const {
        return a->queued != b->queued ? a->queued > b->queued : a->order > b->order;
    }
};

}  // namespace

double StageSolver::pathCost() const {
    const std::int32_t balls = sim_.ballsLost(), poisoned = sim_.livesLost() - balls;
    return static_cast<double>(sim_.ticks()) + balls * kTicksPerBall + poisoned * kTicksPerPoison +
           sim_.turns() * kTicksPerTurn;
}

StageSolver::NodePtr StageSolver::makeNode(std::shared_ptr<const MoveChain> moves,
                                           std::shared_ptr<const StageSim::Snapshot> flightStart,
                                           std::uint64_t flightKey, bool afterTurn) {
    auto n = std::make_shared<Node>();
    n->snap = sim_.snapshot();
    n->moves = std::move(moves);
    n->flightStart = std::move(flightStart);
    n->afterTurn = afterTurn;
    n->phase = sim_.phase();
    n->work = workLeft(sim_.state().blockGrid);
    n->cost = pathCost();
    n->score = n->cost + n->work * limits_.ticksPerHit;
    n->queued = n->cost;
    n->flightKey = flightKey;
    n->field = fieldKey(sim_.state());
    n->ballKey = ballKey(sim_.state(), n->phase);
    n->key = mix(n->field, n->ballKey);
    n->order = made_++;
    return n;
}

void StageSolver::noteProgress(const NodePtr& n) {
    const auto ahead = [](const NodePtr& a, const NodePtr& b) {
        return std::pair{a->work, a->cost} < std::pair{b->work, b->cost};
    };
    NodePtr& best = n->phase == Phase::GameOver ? bestDead_ : bestAlive_;
    if (!best || ahead(n, best)) best = n;
}

void StageSolver::runSegment() {
    for (int n = 0; sim_.phase() == Phase::InPlay && n < limits_.segmentTickCap; ++n) {
        sim_.step();
        ++simTicks_;
        if (fallingOntoBar(sim_.state())) return;
    }
}

std::vector<StageSim::Snapshot> StageSolver::flightMoments(const Node& node) {
    std::vector<StageSim::Snapshot> moments;
    if (!node.flightStart) return moments;
    // The flight again, keeping the state at each tick where a click may go.
    sim_.restore(*node.flightStart);
    for (int t = 0; t < limits_.turnScanTicks && sim_.phase() == Phase::InPlay; ++t) {
        const bool useful =
            node.look == Look::Turns
                ? t > 0 || !node.afterTurn
                : explosionClears(sim_.state().blockGrid, sim_.state().my.ballX, sim_.state().my.ballY);
        if (useful) moments.push_back(sim_.snapshot());
        sim_.step();
        ++simTicks_;
        if (fallingOntoBar(sim_.state())) break;
    }
    return moments;
}

std::vector<StageSolver::NodePtr> StageSolver::explosionPaths(const Node& node) {
    std::vector<NodePtr> paths;
    std::vector<std::uint64_t> seen;  // fields left, each once
    for (const StageSim::Snapshot& m : flightMoments(node)) {
        sim_.restore(m);
        auto exploded = MoveChain::append(node.moves, Move{Move::Kind::Explode, 0, sim_.ticks()});
        sim_.explode();
        const std::uint64_t field = fieldKey(sim_.state());
        if (std::find(seen.begin(), seen.end(), field) != seen.end()) continue;
        seen.push_back(field);
        paths.push_back(makeNode(std::move(exploded), nullptr, 0, false));
    }
    return paths;
}

std::vector<StageSolver::NodePtr> StageSolver::turnPaths(const Node& node) {
    std::vector<NodePtr> paths;
    for (const StageSim::Snapshot& m : flightMoments(node)) {
        sim_.restore(m);
        auto turned = MoveChain::append(node.moves, Move{Move::Kind::Turn, 0, sim_.ticks()});
        sim_.turn();
        auto start = std::make_shared<const StageSim::Snapshot>(sim_.snapshot());
        const std::uint64_t startKey = stateKey(sim_.state(), sim_.phase());
        runSegment();
        paths.push_back(makeNode(std::move(turned), std::move(start), startKey, true));
    }
    return paths;
}

void StageSolver::serveOutcomes(const Node& node, std::vector<Outcome>& out) {
    int lastBar = -1;
    for (int col = 1; col <= kFieldCols; ++col) {
        sim_.restore(node.snap);
        sim_.moveBarTo(col);
        if (sim_.state().my.barX == lastBar) continue;  // the same place as the column before
        lastBar = sim_.state().my.barX;
        auto moves = MoveChain::append(node.moves, Move{Move::Kind::Serve, col, sim_.ticks()});
        sim_.serveFrom(col);
        out.push_back({sim_.snapshot(), std::move(moves)});
    }
}

void StageSolver::contactOutcomes(const Node& node, std::vector<Outcome>& out) {
    const engine::tmy& my = node.snap.my;
    const int half = my.barHalfWidth;
    const int lo = half + 1, hi = kFieldCols - half;
    const int arrival = my.ballX + node.snap.ballDX;  // the ball moves before it probes
    std::vector<int> places;
    auto addPlace = [&](int col) {
        col = std::clamp(col, lo, hi);
        if (std::find(places.begin(), places.end(), col) == places.end()) places.push_back(col);
    };
    for (int d = -kReach; d <= kReach; ++d) addPlace(arrival + d);
    addPlace(arrival <= kFieldCols / 2 ? hi : lo);  // out of the way: the ball falls past the bar

    std::vector<std::uint64_t> seen;
    auto keep = [&](std::shared_ptr<const MoveChain> moves) {
        const std::uint64_t state = stateKey(sim_.state(), sim_.phase());
        const std::uint64_t k = mix(state, sim_.ticks());
        if (std::find(seen.begin(), seen.end(), k) != seen.end()) return;
        seen.push_back(k);
        out.push_back({sim_.snapshot(), std::move(moves), state});
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

std::vector<StageSolver::Outcome> StageSolver::outcomes(const Node& node) {
    std::vector<Outcome> out;
    sim_.restore(node.snap);
    if (node.phase == Phase::Waiting)
        serveOutcomes(node, out);
    else if (fallingOntoBar(sim_.state()))
        contactOutcomes(node, out);
    else
        out.push_back({node.snap, node.moves, node.key});  // the ball stayed up: the player may just wait
    return out;
}

StagePlay StageSolver::finish(const Node& node) {
    sim_.restore(node.snap);
    StagePlay p;
    p.end = node.phase;
    p.ticks = sim_.ticks();
    p.timeUsed = sim_.timeAtStart() - sim_.state().my.timeLeft;
    p.livesLost = sim_.livesLost();
    p.turns = sim_.turns();
    p.explosions = sim_.explosions();
    p.turnsTried = limits_.turns;
    p.explosionsTried = limits_.explosions;
    p.blocksLeft = countedBlocks(sim_.state().blockGrid);
    p.simTicks = simTicks_;
    p.searchCut = outOfBudget() || (stepCut_ && node.phase != Phase::Cleared);
    p.moves = MoveChain::unroll(node.moves);
    p.field = fieldText(sim_.state().blockGrid);
    return p;
}

// The search for the next hits of one path: the ways from it cheapest first, until enough of them change
// the field; the flights on the way are kept for a dearer second look at clicks during them.
class StageSolver::HitSearch {
  public:
    HitSearch(StageSolver& solver, const NodePtr& from);
    std::vector<NodePtr> run();

  private:
    bool wantsMore(std::int64_t tickEnd) const;
    // One path off the heap: kept when it changed the field, else looked at further.
    void take(NodePtr node);
    // A second look at a flight for right clicks during it.
    void turnsDuring(const Node& node);
    // The player's choices at the node's decision, each run on to the next one.
    void expand(const Node& node);
    // Whether the node's state was expanded at a cost no higher (else notes this one's cost).
    bool expandedBefore(const Node& node);
    // A path found: onto the heap unless it ended the run or its ball state was reached for less.
    void push(NodePtr n);
    // The flight that begins at start, offered for a second look at each kind of click.
    void offerFlights(const std::shared_ptr<const MoveChain>& moves,
                      const std::shared_ptr<const StageSim::Snapshot>& start, std::uint64_t startKey,
                      double cost, bool afterTurn);
    void offerFlight(Look look, std::shared_ptr<const MoveChain> moves,
                     std::shared_ptr<const StageSim::Snapshot> start, std::uint64_t startKey, double cost,
                     bool afterTurn);
    void queue(NodePtr n);
    // When nothing else changed the field: explosions during the flights offered, cheapest first, with a
    // budget of their own.
    void explosions();

    StageSolver& s_;
    const NodePtr& from_;
    const std::int64_t budgetEnd_;
    std::vector<NodePtr> found_;
    std::vector<NodePtr> heap_;
    std::unordered_map<std::uint64_t, double> cheapest_;  // by ball state
    // A flight once more, for clicks during it, after the cheaper ways have had their turn; for
    // explosions only when nothing else changed the field.
    std::vector<NodePtr> blasts_;
    std::unordered_map<std::uint64_t, double> blastsSeen_;
};

StageSolver::HitSearch::HitSearch(StageSolver& solver, const NodePtr& from)
    : s_(solver),
      from_(from),
      budgetEnd_(std::min(solver.simTicks_ + solver.limits_.stepTickBudget, solver.limits_.simTickBudget)),
      heap_{from},
      cheapest_{{from->ballKey, from->cost}} {
    from->changed = false;  // the start of this search
    from->queued = from->cost;
}

std::vector<StageSolver::NodePtr> StageSolver::HitSearch::run() {
    while (!heap_.empty() && wantsMore(budgetEnd_)) {
        std::pop_heap(heap_.begin(), heap_.end(), Dearer{});
        NodePtr node = std::move(heap_.back());
        heap_.pop_back();
        take(std::move(node));
    }
    if (!heap_.empty() && found_.empty()) s_.stepCut_ = true;  // given up with ways left to try
    if (found_.empty() && !blasts_.empty()) explosions();
    return std::move(found_);
}

bool StageSolver::HitSearch::wantsMore(std::int64_t tickEnd) const {
    return found_.size() < static_cast<std::size_t>(s_.limits_.outcomesPerPath) && s_.simTicks_ < tickEnd &&
           !s_.limits_.stop.stop_requested();
}

void StageSolver::HitSearch::take(NodePtr node) {
    if (node->changed) {
        found_.push_back(std::move(node));
        return;
    }
    if (node->look == Look::Turns) {
        turnsDuring(*node);
        return;
    }
    if (cheapest_.at(node->ballKey) < node->cost) return;  // a cheaper way came since
    if (expandedBefore(*node)) return;
    expand(*node);
}

void StageSolver::HitSearch::turnsDuring(const Node& node) {
    for (NodePtr& p : s_.turnPaths(node)) {
        if (!p->changed) offerFlights(p->moves, p->flightStart, p->flightKey, p->cost, true);
        push(std::move(p));
    }
}

bool StageSolver::HitSearch::expandedBefore(const Node& node) {
    auto [done, fresh] = s_.expanded_.try_emplace(node.key, node.cost);
    if (fresh) return false;
    if (done->second <= node.cost) return true;  // expanded before, from this path or another
    done->second = node.cost;
    return false;
}

void StageSolver::HitSearch::expand(const Node& node) {
    StageSim& sim = s_.sim_;
    for (Outcome& o : s_.outcomes(node)) {
        sim.restore(o.snap);
        auto start = std::make_shared<const StageSim::Snapshot>(std::move(o.snap));
        const double startCost = s_.pathCost();
        const std::uint64_t startKey = o.key ? o.key : stateKey(sim.state(), sim.phase());
        s_.runSegment();
        NodePtr child = s_.makeNode(o.moves, start, startKey, false);
        push(child);
        if (!child->changed) offerFlights(o.moves, start, startKey, startCost, false);
    }
}

void StageSolver::HitSearch::push(NodePtr n) {
    n->changed = n->field != from_->field || n->phase == Phase::Cleared;
    s_.noteProgress(n);
    if (n->phase == Phase::GameOver) return;
    if (!n->changed) {
        auto [it, fresh] = cheapest_.try_emplace(n->ballKey, n->cost);
        if (!fresh) {
            if (it->second <= n->cost) return;  // been there for less
            it->second = n->cost;
        }
    }
    queue(std::move(n));
}

void StageSolver::HitSearch::offerFlights(const std::shared_ptr<const MoveChain>& moves,
                                          const std::shared_ptr<const StageSim::Snapshot>& start,
                                          std::uint64_t startKey, double cost, bool afterTurn) {
    offerFlight(Look::Turns, moves, start, startKey, cost, afterTurn);
    offerFlight(Look::Explosions, moves, start, startKey, cost, afterTurn);
}

void StageSolver::HitSearch::offerFlight(Look look, std::shared_ptr<const MoveChain> moves,
                                         std::shared_ptr<const StageSim::Snapshot> start,
                                         std::uint64_t startKey, double cost, bool afterTurn) {
    if (look == Look::Turns ? !s_.limits_.turns : !s_.limits_.explosions) return;
    const std::uint64_t k = mix(mix(startKey, afterTurn), static_cast<int>(look));
    // Explosions are looked for only when nothing else is found: a flight offered for them here may
    // be looked at in a later search from the same field.
    auto& seen = look == Look::Explosions ? blastsSeen_ : s_.flights_;
    auto [it, fresh] = seen.try_emplace(k, cost);
    if (!fresh) {
        if (it->second <= cost) return;
        it->second = cost;
    }
    auto second = std::make_shared<Node>();
    second->moves = std::move(moves);
    second->flightStart = std::move(start);
    second->afterTurn = afterTurn;
    second->look = look;
    second->cost = cost;
    second->queued = cost + (look == Look::Turns ? kTicksPerTurn : kTicksPerBall);
    second->order = s_.made_++;
    if (look == Look::Explosions)
        blasts_.push_back(std::move(second));
    else
        queue(std::move(second));
}

void StageSolver::HitSearch::queue(NodePtr n) {
    heap_.push_back(std::move(n));
    std::push_heap(heap_.begin(), heap_.end(), Dearer{});
}

void StageSolver::HitSearch::explosions() {
    std::sort(blasts_.begin(), blasts_.end(),
              [](const NodePtr& a, const NodePtr& b) { return Dearer{}(b, a); });
    const std::int64_t blastEnd =
        std::min(s_.simTicks_ + s_.limits_.stepTickBudget, s_.limits_.simTickBudget);
    for (const NodePtr& look : blasts_) {
        if (!wantsMore(blastEnd)) break;
        for (NodePtr& p : s_.explosionPaths(*look)) {
            s_.noteProgress(p);
            if (p->phase != Phase::GameOver) found_.push_back(std::move(p));
        }
    }
}

std::vector<StageSolver::NodePtr> StageSolver::nextHits(const NodePtr& from) {
    return HitSearch(*this, from).run();
}

StagePlay StageSolver::solve() {
    simTicks_ = 0;
    bestAlive_ = bestDead_ = nullptr;
    expanded_.clear();
    flights_.clear();
    stepCut_ = false;
    NodePtr root = makeNode(nullptr, nullptr, 0, false);
    noteProgress(root);
    if (root->phase != Phase::Waiting && root->phase != Phase::InPlay) return finish(*root);

    std::vector<NodePtr> beam{root};
    NodePtr clear;  // the cheapest clear yet; paths dearer than it are dropped
    while (!beam.empty() && !outOfBudget()) {
        std::unordered_map<std::uint64_t, NodePtr> next;  // one path per distinct state, the cheapest
        for (const NodePtr& n : beam)
            for (NodePtr& c : nextHits(n)) {
                if (c->phase == Phase::Cleared) {
                    if (!clear || c->cost < clear->cost) clear = c;
                    continue;
                }
                if (clear && c->cost >= clear->cost) continue;
                auto [it, fresh] = next.try_emplace(c->key, c);
                if (!fresh && c->cost < it->second->cost) it->second = c;
            }
        beam.clear();
        for (auto& [key, n] : next)
            if (!clear || n->cost < clear->cost) beam.push_back(std::move(n));
        std::sort(beam.begin(), beam.end(), [](const NodePtr& a, const NodePtr& b) {
            return a->score != b->score ? a->score < b->score
                                        : a->key < b->key;  // key: a fixed order for ties
        });
        if (beam.size() > static_cast<std::size_t>(limits_.beamWidth)) beam.resize(limits_.beamWidth);
    }
    if (clear) return finish(*clear);
    // Not cleared. When every way ended the stage, show the one that got furthest; when the search ran
    // out of budget, the furthest path still alive.
    const bool cut = outOfBudget();
    NodePtr end = bestAlive_;
    if (bestDead_ && (!end || (!cut && bestDead_->work <= end->work))) end = bestDead_;
    return finish(*end);
}

}  // namespace solver
