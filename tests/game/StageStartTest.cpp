// The four ways into a stage start it alike: the game's ready button and the solver with the game's
// rules, the runner's stage choice, the solver and the headless player with the runner's.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "WindowFixture.h"
#include "engine/HeadlessPlay.h"
#include "engine/StageFile.h"
#include "runner/TForm1.h"
#include "solver/StageSim.h"

namespace gametest {
namespace {

// What a stage start sets, as one value to compare.
struct Start {
    engine::BlockGrid grid;
    std::string title, author;
    std::int32_t ballX, ballY, ballDX, ballDY, barX, barRow, barHalfWidth, stageNo, score, combo, timeLeft,
        hp, maxHp, mhp, mhpQuota;
    bool operator==(const Start&) const = default;
};

Start startOf(const engine::GameState& s) {
    const engine::tmy& my = s.my;
    return {s.blockGrid, s.stageTitle, s.stageAuthor, my.ballX,        my.ballY,   s.ballDX,
            s.ballDY,    my.barX,      my.barRow,     my.barHalfWidth, my.stageNo, my.score,
            my.combo,    my.timeLeft,  my.hp,         my.maxHp,        my.mhp,     my.mhpQuota};
}

engine::BlockGrid sampleGrid() {
    engine::BlockGrid g;
    g.set(3, 3, engine::Hard2);
    g.set(7, 5, engine::White);
    for (int c = 0; c <= 11; ++c) g.set(c, 18, engine::Blue);  // the bar's row: the start overwrites it
    return g;
}

solver::StageData loaded(const std::string& path) {
    solver::StageData d;
    engine::loadStageFile(path, d.grid, d.title, d.author);
    return d;
}

class StageStart : public WindowFixture {};

TEST_F(StageStart, TheGameAndTheSolverStartACourseStageAlike) {
    folder.install();
    folder.writeStage(2, 0, sampleGrid(), "はじまり", "作者");
    open();
    click(window->Button6);  // course 2
    click(window->ok_b);
    ASSERT_TRUE(errors().empty());

    solver::StageSim sim;
    sim.startCourse(2);
    sim.beginStage(loaded(folder.path("dat/map2-0.dat").string()), 0);
    EXPECT_EQ(startOf(sim.state()), startOf(window->state));
    EXPECT_EQ(sim.state().my.trailX, window->state.my.trailX);
    EXPECT_EQ(sim.state().my.trailY, window->state.my.trailY);
    EXPECT_EQ(sim.play().moji_l2a.caption(), window->moji_l2a.caption());
}

TEST_F(StageStart, TheRunnerTheSolverAndTheHeadlessPlayerStartAChosenStageAlike) {
    folder.install();
    const std::string path = folder.path("chosen.usr").string();
    engine::saveStageFile(path, sampleGrid(), "", "");  // no title or author: the runner names them
    runner::TForm1 runnerWindow(platform.services(), sound);
    platform.start(runnerWindow.form);
    platform.dialogs.openAnswers.push_back(path);
    run([&] { runnerWindow.Button5Click(); });
    ASSERT_TRUE(errors().empty());
    const Start expected = startOf(runnerWindow.state);
    EXPECT_EQ(expected.title, "ななしちゅんステージ");
    EXPECT_EQ(expected.timeLeft, engine::kRunnerStartTime);

    solver::StageSim sim(solver::kSolverSeed, engine::Rules::runner());
    sim.startRunner();
    sim.beginStage(loaded(path), 0);
    EXPECT_EQ(startOf(sim.state()), expected);

    ui::HeadlessPlatform headless("/nonexistent/");
    engine::NullSoundSink silent;
    engine::HeadlessPlay play(headless.services(), silent, engine::Rules::runner());
    const solver::StageData d = loaded(path);
    play.beginStage(d.grid, d.title, d.author);
    EXPECT_EQ(startOf(play.state), expected);
    EXPECT_EQ(play.moji_l2a.caption(), runnerWindow.moji_l2a.caption());
    EXPECT_EQ(play.moji_l.caption(), runnerWindow.moji_l.caption());
}

}  // namespace
}  // namespace gametest
