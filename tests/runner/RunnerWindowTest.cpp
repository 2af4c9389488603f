// The user-stage player's window, headless: start-up, choosing a stage, its rules, and that it writes
// nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <tuple>

#include "RunnerFixture.h"
#include "engine/PlayEngine.h"
#include "engine/StageFile.h"
#include "runner/TForm1.h"
#include "ui/core/HeadlessPlatform.h"

namespace fs = std::filesystem;

namespace {

// The window started.
class RunnerWindow : public runnertest::RunnerFixture {
  protected:
    void SetUp() override {
        RunnerFixture::SetUp();
        platform_->start(window_->form);
    }

    // Writes a stage with the given cells and returns its path.
    std::string stage(const std::string& name, std::initializer_list<std::tuple<int, int, int>> cells,
                      const std::string& title = "", const std::string& author = "") {
        engine::BlockGrid g;
        for (auto [c, r, v] : cells) g.set(c, r, v);
        const std::string path = (dir_ / name).string();
        engine::saveStageFile(path, g, title, author);
        return path;
    }
    void choose(const std::string& path) {
        platform_->dialogs.openAnswers.push_back(path);
        platform_->handle([&] { window_->Button5Click(); });
    }
    void serve() {
        platform_->handle([&] { window_->engine().main_boxMouseMove(8 * 40 + 5, 300); });
        platform_->handle([&] { window_->engine().main_boxMouseDown(ui::MouseButton::Left); });
    }
    engine::tmy& my() { return window_->state.my; }
};

std::set<fs::path> filesUnder(const fs::path& root) {
    std::set<fs::path> out;
    for (const auto& e : fs::recursive_directory_iterator(root)) out.insert(e.path());
    return out;
}

}  // namespace

TEST_F(RunnerWindow, StartsIdleWithTheRunStateReset) {
    EXPECT_TRUE(platform_->dialogs.errors.empty());
    EXPECT_EQ(window_->Timer1.interval(), 58);
    EXPECT_FALSE(window_->Timer1.enabled());
    EXPECT_EQ(my().timeLeft, 500);
    EXPECT_EQ(my().hp, 10);
    EXPECT_EQ(window_->state.toyTable[3].name, "toy3");
    EXPECT_FALSE(window_->try_b.visible());
    EXPECT_EQ(window_->main_box.picture().colourAt(200, 200), base::colours::Black);
}

TEST_F(RunnerWindow, EmptyTitleAndAuthorGetTheDefaults) {
    choose(stage("a.usr", {{5, 5, 1}}));
    EXPECT_EQ(window_->moji_l2.caption(), "『ななしちゅんステージ』");
    EXPECT_EQ(window_->moji_l2a.caption(), "byななしちゅんジ");
    EXPECT_EQ(window_->moji_l.caption(), "                  『ななしちゅんステージ』");
    EXPECT_TRUE(window_->try_b.visible());
    EXPECT_EQ(my().barX, 2);  // reset after the bar was placed at 9
    EXPECT_EQ(window_->state.blockGrid.at(9, 18), engine::Bar);
    platform_->advance(10);
    EXPECT_NE(window_->state_l.caption().find("ステージ：-1/0"), std::string::npos);
    EXPECT_EQ(window_->stage_l.caption(), "this stage`s name>\r『ななしちゅんステージ』");
}

TEST_F(RunnerWindow, CancelledDialogChangesNothing) {
    platform_->handle([&] { window_->Button5Click(); });
    EXPECT_FALSE(window_->try_b.visible());
}

TEST_F(RunnerWindow, MissingFileReportsAndSkipsTheRest) {
    choose((dir_ / "missing.usr").string());
    ASSERT_EQ(platform_->dialogs.errors.size(), 1u);
    EXPECT_EQ(platform_->dialogs.errors[0], "ﾌｧｲﾙが見つかりません.");
    EXPECT_FALSE(window_->try_b.visible());
    ASSERT_EQ(platform_->dialogs.openRequests.size(), 1u);
    EXPECT_EQ(platform_->dialogs.openRequests[0].filter,
              "ゾルバンブロックデータ|*.usr|オフィシャルデータ|map*-*.dat|all files|*.*");
    EXPECT_EQ(platform_->dialogs.openRequests[0].initialDir, dir_.string() + "/dat");
}

TEST_F(RunnerWindow, ClearStopsTheStatusTickAndLaterClicksDoNothing) {
    // One white block straight above the serve column.
    choose(stage("clear.usr", {{9, 5, engine::White}}, "T", "A"));
    serve();
    ASSERT_TRUE(window_->Timer1.enabled());
    platform_->advance(3000);
    EXPECT_EQ(window_->moji_l2.caption().rfind("CLEAR!!!", 0), 0u);
    EXPECT_FALSE(window_->Timer2.enabled());
    EXPECT_FALSE(window_->Timer1.enabled());
    const auto grid = window_->state.blockGrid;
    platform_->handle([&] { window_->engine().main_boxMouseDown(ui::MouseButton::Left); });
    EXPECT_EQ(window_->state.blockGrid, grid);
    EXPECT_EQ(my().money, 5);  // the runner pays 5 for a white block
}

TEST_F(RunnerWindow, GameOverZeroesTheScoreAndMoneyResetsOnANewStage) {
    const std::string path = stage("over.usr", {{1, 1, engine::Wall}});
    choose(path);
    for (int life = 0; life < 10; ++life) {
        serve();
        platform_->handle([&] { window_->engine().main_boxMouseDown(ui::MouseButton::Left); });
    }
    my().score = 1234;
    platform_->advance(20);
    EXPECT_EQ(window_->moji_l2.caption(), "GAME OVER!!!");
    EXPECT_EQ(my().score, 0);
    EXPECT_EQ(my().hp, 10);
    EXPECT_FALSE(window_->try_b.visible());
    my().money = 77;
    choose(path);
    EXPECT_EQ(my().money, 0);
}

TEST_F(RunnerWindow, WritesNoFile) {
    const std::string path = stage("quiet.usr", {{3, 3, engine::Bomb}, {6, 6, engine::White}});
    const auto before = filesUnder(dir_);
    choose(path);
    serve();
    platform_->advance(60000);
    platform_->handle([&] { window_->form.onClose(); });
    EXPECT_EQ(filesUnder(dir_), before);
}

// The pause in the runner: the same P and close question as the game, and a stage chosen while paused.
TEST_F(RunnerWindow, PauseHoldsTheRunnerAndAStageChosenMeanwhileEndsIt) {
    // Walls over the serve column keep the ball rising and falling onto the bar; the block far off keeps the
    // stage from being cleared.
    const std::string path = stage("loop.usr", {{9, 1, engine::Wall}, {1, 10, engine::White}});
    auto press = [&] { return platform_->key(window_->form, {'P', false, false, false, false}); };
    auto paused = [&] { return window_->engine().pauseControl().paused(); };
    EXPECT_TRUE(press());
    EXPECT_FALSE(paused()) << "no stage yet";
    choose(path);
    serve();
    platform_->advance(58 * 3);
    press();
    ASSERT_TRUE(paused());
    EXPECT_TRUE(window_->pause_l.visible());
    const auto ball = std::make_tuple(my().ballX, my().ballY, my().timeLeft, window_->moji_l2.caption());
    platform_->advance(20000);
    EXPECT_EQ(std::make_tuple(my().ballX, my().ballY, my().timeLeft, window_->moji_l2.caption()), ball);
    for (ui::Timer* t : window_->form.timers()) EXPECT_FALSE(t->enabled()) << t->name();

    // Cancelling the open dialog keeps the pause; choosing a stage ends it and starts that stage.
    platform_->handle([&] { window_->Button5Click(); });
    EXPECT_TRUE(paused());
    choose(path);
    EXPECT_FALSE(paused());
    EXPECT_FALSE(window_->pause_l.visible());
    EXPECT_TRUE(window_->try_b.visible());
    for (ui::Timer* t : window_->form.timers()) EXPECT_TRUE(t->enabled()) << t->name();
}

TEST_F(RunnerWindow, ClosingAsksOnlyWithABallInPlay) {
    auto closeBox = [&] {
        bool close = false;
        platform_->handle([&] { close = window_->form.onCloseQuery(); });
        return close;
    };
    EXPECT_TRUE(closeBox());
    choose(stage("loop.usr", {{9, 1, engine::Wall}, {1, 10, engine::White}}));
    EXPECT_TRUE(closeBox()) << "waiting for the serve";
    EXPECT_TRUE(platform_->dialogs.confirmations.empty());
    serve();
    platform_->dialogs.confirmAnswers = {false, true};
    EXPECT_FALSE(closeBox());
    EXPECT_TRUE(window_->Timer1.enabled());
    EXPECT_TRUE(closeBox());
    EXPECT_EQ(platform_->dialogs.confirmations,
              (std::vector<std::string>{"プレイ中です。終了しますか?", "プレイ中です。終了しますか?"}));
}

TEST_F(RunnerWindow, APipeADeviceOrAHugeFileIsAReadErrorAtOnce) {
    const std::string fifo = (dir_ / "pipe.usr").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);  // nobody writes: a blocking open would never return
    const std::string huge = (dir_ / "huge.usr").string();
    std::ofstream(huge, std::ios::binary) << std::string(engine::kMaxStageFileBytes + 1, '1');
    for (const std::string& path : {fifo, std::string("/dev/zero"), huge}) {
        platform_->dialogs.errors.clear();
        choose(path);
        EXPECT_EQ(platform_->dialogs.errors, std::vector<std::string>{"I/O ｴﾗｰ (100)."}) << path;
    }
}

// A stage named on the command line: played once the window runs, as if chosen in the dialog, which then
// starts in the stage's folder; a file that cannot be read shows the error and the window goes on.
TEST_F(RunnerWindow, StageFromTheCommandLinePlaysAsIfChosen) {
    fs::create_directories(dir_ / "mine");
    const std::string path = stage("mine/cmd.usr", {{9, 5, engine::White}}, "CMD", "me");
    window_->playStageAtStart(path);
    EXPECT_FALSE(window_->try_b.visible()) << "not before the window runs";
    platform_->drainPosted();
    EXPECT_TRUE(platform_->dialogs.errors.empty());
    EXPECT_TRUE(platform_->dialogs.openRequests.empty());
    EXPECT_EQ(window_->state.blockGrid.at(9, 5), engine::White);
    EXPECT_EQ(window_->moji_l2.caption(), "『CMD』");
    EXPECT_EQ(window_->moji_l2a.caption(), "byme");
    EXPECT_TRUE(window_->try_b.visible());
    EXPECT_TRUE(window_->Timer2.enabled());
    platform_->handle([&] { window_->Button5Click(); });
    ASSERT_EQ(platform_->dialogs.openRequests.size(), 1u);
    EXPECT_EQ(platform_->dialogs.openRequests[0].initialDir, (dir_ / "mine").string());
}

TEST_F(RunnerWindow, UnreadableStageFromTheCommandLineShowsTheError) {
    window_->playStageAtStart((dir_ / "missing.usr").string());
    platform_->drainPosted();
    EXPECT_EQ(platform_->dialogs.errors, std::vector<std::string>{"ﾌｧｲﾙが見つかりません."});
    EXPECT_FALSE(window_->try_b.visible());
    // The window goes on: a stage chosen afterwards plays.
    choose(stage("b.usr", {{5, 5, engine::White}}));
    EXPECT_TRUE(window_->try_b.visible());
}

// While paused, a left click goes on from where the play stood: no explosion, no turn; a right click does
// nothing.
TEST_F(RunnerWindow, ALeftClickEndsThePauseAndDoesNothingElse) {
    choose(stage("loop.usr", {{9, 1, engine::Wall}, {1, 10, engine::White}}));
    serve();
    platform_->advance(58 * 3);
    ASSERT_TRUE(platform_->key(window_->form, {'P', false, false, false, false}));
    ASSERT_TRUE(window_->engine().pauseControl().paused());
    EXPECT_TRUE(window_->pause_la.visible());
    EXPECT_EQ(window_->pause_la.caption(), "P / Space キー・Start ボタン・クリックで再開");
    const auto before = std::make_tuple(my().hp, my().timeLeft, window_->state.ballDX, window_->state.ballDY,
                                        window_->state.blockGrid);
    platform_->handle([&] { window_->engine().main_boxMouseDown(ui::MouseButton::Right); });
    EXPECT_TRUE(window_->engine().pauseControl().paused());
    platform_->handle([&] { window_->engine().main_boxMouseDown(ui::MouseButton::Left); });
    EXPECT_FALSE(window_->engine().pauseControl().paused());
    EXPECT_FALSE(window_->pause_l.visible());
    EXPECT_FALSE(window_->pause_la.visible());
    EXPECT_TRUE(window_->Timer1.enabled());
    EXPECT_EQ(std::make_tuple(my().hp, my().timeLeft, window_->state.ballDX, window_->state.ballDY,
                              window_->state.blockGrid),
              before);
}

// Waiting for the serve when paused: the click goes on, and only the next one serves.
TEST_F(RunnerWindow, AClickEndingAPauseDoesNotServe) {
    choose(stage("a.usr", {{5, 5, engine::White}}));
    ASSERT_TRUE(platform_->key(window_->form, {'P', false, false, false, false}));
    platform_->handle([&] { window_->engine().main_boxMouseDown(ui::MouseButton::Left); });
    EXPECT_FALSE(window_->engine().pauseControl().paused());
    EXPECT_TRUE(window_->try_b.visible());
    EXPECT_FALSE(window_->Timer1.enabled());
    serve();
    EXPECT_TRUE(window_->Timer1.enabled());
}
