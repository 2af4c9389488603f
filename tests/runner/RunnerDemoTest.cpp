// The runner's demo, headless on virtual time: the solver's play of a stage made through the window's own
// handlers at its normal pace until CLEAR, the player's mouse doing nothing meanwhile.
#include <gtest/gtest.h>

#include <filesystem>

#include "RunnerFixture.h"
#include "engine/PlayEngine.h"
#include "engine/StageFile.h"
#include "runner/DemoPlay.h"
#include "runner/TForm1.h"
#include "solver/MovesFile.h"
#include "ui/core/HeadlessPlatform.h"

namespace fs = std::filesystem;

namespace {

class RunnerDemo : public runnertest::RunnerFixture {
  protected:
    void TearDown() override {
        demo_.reset();
        RunnerFixture::TearDown();
    }
    std::string twoBlocks() {
        engine::BlockGrid g;
        g.set(3, 4, engine::White);
        g.set(8, 6, engine::Blue);
        const std::string path = (dir_ / "two.usr").string();
        engine::saveStageFile(path, g, "two", "tester");
        return path;
    }
    void begin(std::vector<solver::Move> moves, const std::string& path) {
        demo_ = std::make_unique<runner::DemoPlay>(*window_, platform_->services(), std::move(moves), path);
        platform_->start(window_->form);
    }
    // Virtual time until the demo ends (at most a few minutes of play).
    void playOut() {
        for (int ms = 0; ms < 300'000 && demo_->playing(); ms += 10) platform_->advance(10);
    }

    std::unique_ptr<runner::DemoPlay> demo_;
};

TEST_F(RunnerDemo, PlaysTheSolversMovesToClearWithoutTheMouse) {
    const std::string path = twoBlocks();
    std::string note;
    const std::vector<solver::Move> moves = runner::DemoPlay::solve(path, note);
    EXPECT_EQ(note, "");
    begin(moves, path);
    EXPECT_TRUE(demo_->playing());
    EXPECT_TRUE(window_->Timer1.enabled()) << "served at once";
    // The player's mouse and the stage button do nothing.
    const std::int32_t bar = window_->state.my.barX;
    platform_->handle([&] { window_->main_box.onMouseMove({ui::MouseButton::Left, 399, 300}); });
    platform_->handle([&] { window_->form.onMouseDown({ui::MouseButton::Left, 399, 300}); });
    platform_->handle(window_->Button5.onClick);
    EXPECT_EQ(window_->state.my.barX, bar);
    EXPECT_TRUE(platform_->dialogs.openRequests.empty());
    EXPECT_EQ(window_->state.my.hp, 10);

    const auto begun = platform_->clock.nowMs();
    playOut();
    EXPECT_FALSE(demo_->playing());
    EXPECT_EQ(window_->moji_l2.caption(), "CLEAR!!!");
    EXPECT_EQ(window_->state.blockGrid.at(3, 4), engine::Empty);
    EXPECT_EQ(window_->state.blockGrid.at(8, 6), engine::Empty);
    // At the runner's pace: 58 ms a ball tick.
    EXPECT_GE(platform_->clock.nowMs() - begun, demo_->ticks() * 58);
}

TEST_F(RunnerDemo, AMovesFilePlaysTheSameAsTheSolver) {
    const std::string path = twoBlocks();
    std::string note;
    const std::string movesPath = (dir_ / "two.moves").string();
    solver::writeMovesFile(movesPath, runner::DemoPlay::solve(path, note));
    begin(solver::readMovesFile(movesPath), path);
    playOut();
    EXPECT_EQ(window_->moji_l2.caption(), "CLEAR!!!");
}

TEST_F(RunnerDemo, ABallTickMakesNoMoreMovesThanAPlayMakesAtOneTick) {
    const std::string path = twoBlocks();
    // More turns at one tick than a moves file may hold (the demo is given them straight).
    std::vector<solver::Move> moves{{solver::Move::Kind::Serve, 5, 0}};
    for (int i = 0; i < 20; ++i) moves.push_back({solver::Move::Kind::Turn, 0, 1});
    begin(moves, path);
    const std::int32_t time = window_->state.my.timeLeft;
    auto turned = [&] { return (time - window_->state.my.timeLeft) / 5; };  // a turn costs 5, a second 1
    while (demo_->ticks() < 2) platform_->advance(10);
    EXPECT_EQ(turned(), 8);
    while (demo_->ticks() < 4) platform_->advance(10);
    EXPECT_EQ(turned(), 20) << "the rest follow at the next ticks";
}

}  // namespace
