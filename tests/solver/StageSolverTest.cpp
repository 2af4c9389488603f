// The search on small hand-made stages: what it clears, what it cannot, and what the play cost.
#include <gtest/gtest.h>

#include "SolverFixture.h"
#include "solver/MoveReplay.h"
#include "solver/NarrowFirst.h"
#include "solver/StageSolver.h"

namespace {

using solver::Phase;
using solver::StagePlay;
using solver::StageSim;
using solvertest::stage;

// Small budgets: a stage that cannot be cleared is given up quickly.
solver::SearchLimits quick() {
    solver::SearchLimits l;
    l.simTickBudget = 150'000;
    l.stepTickBudget = 20'000;
    return l;
}

StagePlay solve(const solver::StageData& data, std::int32_t startTime = solver::kCourseStartTime,
                solver::SearchLimits limits = quick()) {
    StageSim sim;
    sim.startCourse(1, startTime);
    sim.beginStage(data, 0);
    return solver::StageSolver(sim, limits).solve();
}

struct Case {
    const char* name;
    std::vector<std::string> rows;
    bool clearedWithoutExplosions;
    bool clearedWithExplosions;
    std::int32_t livesLost;  // when cleared with explosions allowed
    std::int32_t startTime = solver::kCourseStartTime;
};

class StageSolverCases : public testing::TestWithParam<Case> {};

StagePlay solveCase(const Case& c, bool explosions, bool cleared) {
    // A stage that cannot be cleared gets a small budget.
    solver::SearchLimits limits = cleared ? solver::SearchLimits{} : quick();
    limits.explosions = explosions;
    return solve(stage(c.rows), c.startTime, limits);
}

TEST_P(StageSolverCases, ClearsWhatCanBeCleared) {
    const Case& c = GetParam();
    for (const bool explosions : {false, true}) {
        const bool cleared = explosions ? c.clearedWithExplosions : c.clearedWithoutExplosions;
        const StagePlay p = solveCase(c, explosions, cleared);
        EXPECT_EQ(p.cleared(), cleared) << (explosions ? "with" : "without") << " explosions";
        EXPECT_EQ(p.explosionsTried, explosions);
        EXPECT_TRUE(p.turnsTried);
        if (cleared) {
            EXPECT_EQ(p.blocksLeft, 0);
            if (explosions) {
                EXPECT_EQ(p.livesLost, c.livesLost);
            }
        } else {
            EXPECT_GT(p.blocksLeft, 0);
        }
        if (!explosions) {
            EXPECT_EQ(p.explosions, 0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    HandMade, StageSolverCases,
    testing::Values(
        Case{"OneWhiteBlockAboveTheServe", solvertest::kOneBlock, true, true, 0},
        Case{"BlocksAllOverTheField",
             {"o.o.o.o.o.", ".b.b.b.b.b", "k.k.k.k.k.", "..........", "r...1...2."},
             true,
             true,
             0},
        // The straight shot at the block dies on the deadly cell: the ball must come at it slantwise.
        Case{"DeadlyCellUnderTheBlock",
             {"..........", "....o.....", "", "", "", "", "", "....x....."},
             true,
             true,
             0},
        Case{"DeadlyRowWithGaps", {"..........", "oooooooooo", "", "", "x.xx.xx.xx"}, true, true, 0},
        Case{"WallsOpenedByABomb", {".#####....", ".#oo.#....", ".##*##...."}, true, true, 0},
        // Poison blocks must be broken: each takes a life.
        Case{"PoisonBlocks", {"..........", "...p..p..."}, true, true, 2},
        // Walls on three sides and the top edge on the fourth: one explosion under it opens the way.
        Case{"WhiteWalledInOnThreeSides", {"...#o#....", "...###...."}, false, true, 1},
        // Row 2 walled from side to side: only explosions open it.
        Case{"BlockBehindAWallRow", {"###o######", "##########", "..o...o..."}, false, true, 1},
        // A code outside the table is solid and counted but never broken by the ball.
        Case{"CodeOutsideTheTable", {"..........", ".......!..", "oo........"}, false, true, 1},
        Case{"DeadlyRowUnderTheBlock",
             {"..........", "....o.....", "..........", "xxxxxxxxxx"},
             false,
             true,
             1},
        // More unbreakable cells than the ten lives can blast away.
        Case{"SealedByUnbreakableRows",
             {"!!!!!!!!!!", "!!!!!!!!!!", "!!!!!!!!!!", "!!!!!!!!!!", "!!!!!!!!!!", "!!!!!!!!!!",
              "!!!!!!!!!!", "!!!!!!!!!!", "!!!!!!!!!!", "!!!!!!!!!!"},
             false,
             false,
             0,
             40},
        // Forty hard blocks take longer than 12 time units.
        Case{"TooLittleTime", {"2222222222", "3333333333", "4444444444", "5555555555"}, false, false, 0, 12}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// A right click after the ball has been turned by a wall sends it into the next wall cell: a block
// walled in two deep is reached that way, and without right clicks not at all.
TEST(StageSolverTest, RightClicksTakeTheBallIntoWalls) {
    const solver::StageData walled =
        stage({"..#####...", "..#####...", "..##o##...", "..#####...", "..#####..."});
    const StagePlay with = solve(walled, solver::kCourseStartTime, {});
    EXPECT_TRUE(with.cleared());
    EXPECT_GE(with.turns, 2);
    solver::SearchLimits noTurns = quick();
    noTurns.turns = false;
    noTurns.explosions = false;
    const StagePlay without = solve(walled, 12, noTurns);
    EXPECT_FALSE(without.cleared());
    EXPECT_EQ(without.turns, 0);
}

TEST(StageSolverTest, OneBlockIsClearedByTheFirstShot) {
    const StagePlay p = solve(stage(solvertest::kOneBlock));
    ASSERT_TRUE(p.cleared());
    // Served from column 5, the ball meets the block on its way up: 13 ticks, no second second.
    ASSERT_FALSE(p.moves.empty());
    EXPECT_EQ(p.moves.front().kind, solver::Move::Kind::Serve);
    EXPECT_EQ(p.moves.front().column, 5);
    EXPECT_EQ(p.ticks, 13);
    EXPECT_EQ(p.timeUsed, 0);
    EXPECT_EQ(p.turns, 0);
}

TEST(StageSolverTest, TheMovesFoundPlayTheSameStageAgain) {
    const solver::StageData data =
        stage({"o1o2oo3o.o", ".#..s..#..", "b*bb=bbmbb", "..........", "..>..+...<"});
    StageSim sim;
    sim.startCourse(1);
    sim.beginStage(data, 0);
    solver::SearchLimits narrow;
    narrow.beamWidth = 4;
    const StagePlay p = solver::StageSolver(sim, narrow).solve();
    ASSERT_TRUE(p.cleared());
    const engine::tmy found = sim.state().my;

    StageSim again;
    again.startCourse(1);
    again.beginStage(data, 0);
    EXPECT_EQ(solver::replayMoves(again, p.moves, p.ticks + 100), Phase::Cleared);
    EXPECT_EQ(again.ticks(), p.ticks);
    EXPECT_EQ(again.turns(), p.turns);
    EXPECT_EQ(again.state().my.timeLeft, found.timeLeft);
    EXPECT_EQ(again.state().my.score, found.score);
    EXPECT_EQ(again.timeAtStart() - again.state().my.timeLeft, p.timeUsed);
}

TEST(StageSolverTest, RightClicksCostFiveUnitsEach) {
    const StagePlay p = solve(stage({"..#####...", "..#####...", "..##o##...", "..#####...", "..#####..."}),
                              solver::kCourseStartTime, {});
    ASSERT_TRUE(p.cleared());
    ASSERT_GT(p.turns, 0);
    const std::int32_t seconds = static_cast<std::int32_t>(p.ticks * 56 / 1000);
    EXPECT_GE(p.timeUsed, seconds + 5 * p.turns - 1);
    EXPECT_LE(p.timeUsed, seconds + 5 * p.turns + 1);
}

// A search cut short by its budget or a stop request says so; a clear found in time does not.
TEST(StageSolverTest, ACutSearchIsMarked) {
    const solver::StageData hard = stage({"2222222222", "3333333333", "4444444444", "5555555555"});
    solver::SearchLimits tiny = quick();
    tiny.simTickBudget = 2'000;
    const StagePlay spent = solve(hard, solver::kCourseStartTime, tiny);
    EXPECT_FALSE(spent.cleared());
    EXPECT_TRUE(spent.searchCut);

    std::stop_source stop;
    stop.request_stop();
    solver::SearchLimits stopped = quick();
    stopped.stop = stop.get_token();
    const StagePlay asked = solve(hard, solver::kCourseStartTime, stopped);
    EXPECT_TRUE(asked.searchCut);
    EXPECT_LE(asked.simTicks, quick().stepTickBudget) << "a stop ends the search within one step";

    EXPECT_FALSE(solve(stage(solvertest::kOneBlock)).searchCut);
}

TEST(StageSolverTest, SameStageSamePlay) {
    const solver::StageData data = stage({"oooooooooo", "b.b.b.b.b.", "..........", "...m..m..."});
    const StagePlay a = solve(data), b = solve(data);
    EXPECT_TRUE(a.cleared());
    EXPECT_EQ(a.moves, b.moves);
    EXPECT_EQ(a.ticks, b.ticks);
}

}  // namespace

namespace {

// The narrow search first gives the verdict of the full one: a clear is found either way, and a stage
// neither clears is reported as not cleared with both searches' effort counted.
TEST(NarrowFirstTest, SameVerdictsAsTheFullSearch) {
    for (const auto& rows : std::vector<std::vector<std::string>>{
             solvertest::kOneBlock,
             {"o.o.o.o.o.", ".b.b.b.b.b", "k.k.k.k.k.", "..........", "r...1...2."},
             {"...#o#....", "...###...."}}) {
        StageSim sim;
        sim.startCourse(1);
        sim.beginStage(stage(rows), 0);
        const StagePlay p = solver::solveNarrowFirst(sim, {});
        EXPECT_TRUE(p.cleared()) << rows.front();
        EXPECT_EQ(sim.phase(), Phase::Cleared) << "the sim is left at the end of the play";
    }
    StageSim sim;
    sim.startCourse(1, 12);
    sim.beginStage(stage({"2222222222", "3333333333", "4444444444", "5555555555"}), 0);
    const StagePlay p = solver::solveNarrowFirst(sim, quick());
    EXPECT_FALSE(p.cleared());
    EXPECT_GT(p.blocksLeft, 0);
}

}  // namespace
