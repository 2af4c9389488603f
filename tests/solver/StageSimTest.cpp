// The solver's play window: countdown on the simulated clock, lives counted, snapshots that restore
// every value play changes.
#include <gtest/gtest.h>

#include <tuple>

#include "SolverFixture.h"
#include "solver/StageSim.h"

namespace {

using solver::Phase;
using solver::StageSim;
using solvertest::stage;

// A field the ball bounces in for ever: a row it cannot break and that keeps the stage from a clear.
solver::StageData bouncer() {
    return stage({"!!!!!!!!!!"});
}

void keepBarUnderBall(StageSim& sim) {
    const auto& s = sim.state();
    sim.moveBarTo(s.my.ballX + s.ballDX);
}

TEST(StageSimTest, CountsOneTimeUnitPerSecondOfPlay) {
    struct Row {
        int ticks;
        int unitsGone;
    };
    // 56 ms a tick: the first unit goes at the 18th tick (1008 ms), the second at the 36th (2016 ms).
    for (const Row row : {Row{17, 0}, Row{18, 1}, Row{35, 1}, Row{36, 2}, Row{179, 10}}) {
        StageSim sim;
        sim.startCourse(1);
        sim.beginStage(bouncer(), 0);
        sim.serveFrom(5);
        for (int i = 0; i < row.ticks; ++i) {
            keepBarUnderBall(sim);
            sim.step();
        }
        ASSERT_EQ(sim.phase(), Phase::InPlay);
        EXPECT_EQ(sim.ticks(), row.ticks);
        EXPECT_EQ(sim.state().my.timeLeft, solver::kCourseStartTime - row.unitsGone) << row.ticks << " ticks";
    }
}

TEST(StageSimTest, SlowBallTicksTakeLongerAndTheTimeOutEndsTheStage) {
    StageSim sim;
    sim.startCourse(1, 2);  // two time units
    // A slow block straight above: after it the ball ticks every 66 ms.
    sim.beginStage(stage({"!!!!!!!!!!", "....s....."}), 0);
    sim.serveFrom(5);
    while (sim.phase() == Phase::InPlay && sim.ticks() < 1000) {
        keepBarUnderBall(sim);
        sim.step();
    }
    EXPECT_EQ(sim.phase(), Phase::GameOver);
    EXPECT_EQ(sim.state().my.timeLeft, 0);
    EXPECT_EQ(sim.clockMs(), 2000);
    // 14 ticks of 56 ms up to the slow block, then 18 of 66 ms before the second count: 35 at full pace.
    EXPECT_EQ(sim.ticks(), 32);
}

TEST(StageSimTest, CountsLivesLostAndLivesGained) {
    StageSim sim;
    sim.startCourse(1);
    // A poison block straight above, then the ball falls past a bar kept aside.
    sim.beginStage(stage({"!!!!!!!!!!", "....p....."}), 0);
    sim.serveFrom(5);
    while (sim.phase() == Phase::InPlay) {
        sim.moveBarTo(9);
        sim.step();
    }
    EXPECT_EQ(sim.phase(), Phase::Waiting);
    EXPECT_EQ(sim.livesLost(), 2);  // the poison and the ball
    EXPECT_EQ(sim.ballsLost(), 1);
    EXPECT_EQ(sim.state().my.hp, solver::kCourseStartLives - 2);

    // The 50th white block fills the mHP gauge: one life more, and none counted as lost.
    StageSim full;
    full.startCourse(1);
    full.beginStage(
        stage({"!!!!!!!!!!", "oooooooooo", "oooooooooo", "oooooooooo", "oooooooooo", "oooooooooo"}), 0);
    full.play().state.my.mhp = 49;
    full.serveFrom(5);
    for (int i = 0; i < 40 && full.phase() == Phase::InPlay; ++i) {
        keepBarUnderBall(full);
        full.step();
    }
    EXPECT_EQ(full.state().my.hp, solver::kCourseStartLives + 1);
    EXPECT_EQ(full.livesLost(), 0);
}

TEST(StageSimTest, AnExplosionClearsAroundTheBallForALife) {
    StageSim sim;
    sim.startCourse(1);
    // Straight up from column 5 the ball stops under the wall row at row 3.
    sim.beginStage(stage({"...#o#....", "...###...."}), 0);
    sim.explode();  // waiting for the serve: nothing happens
    EXPECT_EQ(sim.explosions(), 0);
    sim.serveFrom(5);
    while (sim.state().my.ballY > 3) sim.step();
    sim.explode();
    EXPECT_EQ(sim.phase(), Phase::Waiting);
    EXPECT_EQ(sim.explosions(), 1);
    EXPECT_EQ(sim.livesLost(), 1);
    EXPECT_EQ(sim.ballsLost(), 1);
    for (int c = 4; c <= 6; ++c) EXPECT_EQ(sim.state().blockGrid.at(c, 2), engine::Empty) << c;
    EXPECT_EQ(sim.state().blockGrid.at(4, 1), engine::Wall) << "row 1 is out of reach from row 3";
    const StageSim::Snapshot after = sim.snapshot();
    sim.restore(after);
    EXPECT_EQ(sim.explosions(), 1);
}

TEST(StageSimTest, RestoredSnapshotPlaysOnExactlyAsBefore) {
    StageSim sim;
    sim.startCourse(2);
    // Kinds that change the grid, the bar, the pace, the time and the lives.
    sim.beginStage(stage({"o1*m>s+-=k", "bebrEeA.o.", "oooooooooo", "..........", "....h....."}), 0);
    sim.serveFrom(4);
    for (int i = 0; i < 7; ++i) sim.step();
    const StageSim::Snapshot mark = sim.snapshot();

    auto playOn = [&sim] {
        for (int i = 0; i < 400 && sim.phase() == Phase::InPlay; ++i) {
            if (i % 37 == 0) sim.turn();
            keepBarUnderBall(sim);
            sim.step();
        }
        const auto& s = sim.state();
        return std::tuple{s.blockGrid,
                          s.my.score,
                          s.my.hp,
                          s.my.mhp,
                          s.my.timeLeft,
                          s.my.combo,
                          s.my.money,
                          s.my.ballX,
                          s.my.ballY,
                          s.ballDX,
                          s.ballDY,
                          s.effectTicks,
                          s.my.barHalfWidth,
                          sim.ticks(),
                          sim.clockMs(),
                          sim.turns(),
                          static_cast<int>(sim.phase())};
    };
    const auto first = playOn();
    sim.restore(mark);
    EXPECT_EQ(sim.ticks(), 7);
    const auto second = playOn();
    EXPECT_TRUE(first == second);
    EXPECT_GT(std::get<13>(first), 7);
}

// The snapshot copies the game state field by field: a field added to the engine's state must be
// added to it too. This size is that of the state the snapshot was written for.
TEST(StageSimTest, SnapshotCoversTheWholeGameState) {
    EXPECT_EQ(sizeof(engine::GameState), 77'768u)
        << "engine::GameState changed: check that StageSim::Snapshot still keeps every value play changes";
}

}  // namespace
