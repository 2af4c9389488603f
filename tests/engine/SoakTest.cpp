// Random play on random stages under both rule sets, checking the status tick's bounds after every status
// tick.
//
// The ctest run plays a CI-sized number of ball ticks. The long run:
//   ZORBAN_SOAK_TICKS=1000000 build/tests/engine_tests --gtest_filter='Soak.*'
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "PlayFixture.h"
#include "base/BmpFile.h"

namespace {

using namespace engine;
using enginetest::Play;

constexpr long kCiTicks = 30'000;

long soakTicks() {
    const char* env = std::getenv("ZORBAN_SOAK_TICKS");
    return env ? std::max(1L, std::atol(env)) : kCiTicks;
}

class Soak : public ::testing::Test {
  protected:
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "zorban_engine_soak";
    void SetUp() override {
        std::filesystem::create_directories(dir / "cg");
        for (const char* name : {"usu1.bmp", "usu2.bmp"})
            std::ofstream(dir / "cg" / name, std::ios::binary)
                << base::encodeBmp(base::Bitmap(45, 45, base::colours::Teal));
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
};

// Random codes, mostly the table's, some outside it, with margin cells around the field.
BlockGrid randomStage(std::mt19937& rng) {
    BlockGrid g;
    std::uniform_int_distribution<int> code(0, 29), odd(-3, 40), pick(0, 99);
    for (int c = 0; c <= 12; ++c)
        for (int r = 0; r <= 23; ++r) {
            const int roll = pick(rng);
            if (roll < 45) continue;
            g.set(c, r, roll < 98 ? code(rng) : odd(rng));
        }
    return g;
}

void checkBounds(const Play& p, bool game) {
    const tmy& my = p.my;
    ASSERT_LE(my.score, kScoreCap);
    ASSERT_LE(my.timeLeft, kTimeCap);
    ASSERT_LE(my.money, kMoneyCap);
    if (game) {
        ASSERT_LE(my.combo, kComboCap);
        ASSERT_LE(my.clearCount, kClearCountCap);
        ASSERT_LE(my.stageNo, p.s.lastStageNo);
        ASSERT_LE(my.stagesCleared, p.s.lastStageNo);
    }
    // Chains of all-clear blocks in the margins can carry the ball a little beyond the walls, never away.
    ASSERT_GE(my.ballX, -kGridSize);
    ASSERT_LE(my.ballX, 2 * kGridSize);
    ASSERT_GE(my.ballY, -kGridSize);
    ASSERT_LE(my.ballY, 2 * kGridSize);
    ASSERT_GE(p.s.colourPhase, 0);
    ASSERT_LT(p.s.colourPhase, 6);
}

// Plays until `ticks` ball ticks have run; returns the number of stages begun.
int soak(Play& p, bool game, long ticks, std::mt19937& rng) {
    std::uniform_int_distribution<int> percent(0, 99), pixel(-120, 700);
    int saves = 0, stages = 0;
    p.eng.saveCommonData = [&] { ++saves; };
    auto newStage = [&] {
        p.eng.setDrawing(percent(rng) < 10);
        p.play.beginStage(randomStage(rng), "soak", "rng");
        p.play.Timer2.start();
        ++stages;
    };
    newStage();
    for (long t = 0; t < ticks;) {
        const int roll = percent(rng);
        if (roll < 25) p.play.moveTo(pixel(rng));
        if (roll == 30) p.play.leftClick();
        if (roll == 31) p.play.rightClick();
        if (roll == 32) p.eng.Button1Click();
        if (engine::waitsForServe(p.s.phase) && roll < 40) p.play.leftClick();  // serve soon after a loss
        if (p.eng.ballInPlay()) {
            p.eng.Timer1Timer();
            ++t;
        }
        // The status tick runs about five times per ball tick, the others by their intervals.
        for (int k = 0; k < 5 && p.play.Timer2.enabled(); ++k) {
            p.eng.Timer2Timer();
            checkBounds(p, game);
            if (::testing::Test::HasFatalFailure()) return stages;
        }
        if (roll % 2 == 0) p.eng.Timer3Timer();
        if (roll % 3 == 0) p.eng.Timer4Timer();
        if (roll >= 95) p.eng.Timer5Timer();
        if (roll % 9 == 0) p.eng.Timer6Timer();
        if (roll % 4 == 0) p.eng.Timer7Timer();

        const engine::PlayPhase phase = p.s.phase;
        const bool stageOver = phase == engine::PlayPhase::StageCleared || (game && engine::endWaits(phase));
        if (stageOver || (percent(rng) == 0 && percent(rng) < 5)) {
            if (game && phase == engine::PlayPhase::StageCleared) ++p.my.stageNo;
            if (game && engine::endWaits(phase)) p.play.resetRun();
            newStage();
        }
    }
    return stages;
}

TEST_F(Soak, RandomPlayKeepsTheBounds) {
    const long ticks = soakTicks();
    std::mt19937 rng(20240601);
    for (bool game : {true, false}) {
        Play p(game ? Rules::game() : Rules::runner(), dir.string() + "/");
        const int stages = soak(p, game, ticks / 2, rng);
        ASSERT_FALSE(HasFatalFailure());
        EXPECT_GT(stages, 1);
        EXPECT_TRUE(p.platform.dialogs.errors.empty());
        RecordProperty(game ? "game_stages" : "runner_stages", stages);
    }
}

}  // namespace
