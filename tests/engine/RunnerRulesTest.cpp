// The user-stage player's rules: where they differ from the game's, and that the rest plays alike.
#include <gtest/gtest.h>

#include "PlayFixture.h"

namespace {

using namespace engine;
using enginetest::Play;

struct Runner : Play {
    Runner() : Play(Rules::runner()) {}
};

TEST(RunnerRules, BallIsLostOnItsWayToRowTwentyTwo) {
    Runner p;
    p.ballAt(5, 19, 0, 1);
    p.my.combo = 5;
    p.eng.Timer1Timer();
    EXPECT_EQ(p.my.ballY, 20);
    EXPECT_TRUE(p.play.Timer1.enabled());
    p.eng.Timer1Timer();
    EXPECT_EQ(p.my.ballY, 21);
    EXPECT_FALSE(p.play.Timer1.enabled());
    EXPECT_EQ(p.my.hp, 9);
    EXPECT_EQ(p.my.score, -150);  // 30 times the combo
    EXPECT_EQ(p.log(), " -150");
    EXPECT_EQ(p.my.combo, 1);
    EXPECT_EQ(p.play.moji_l2a.caption(), "Life:9");
}

TEST(RunnerRules, MarginBlockBelowTheFieldBouncesTheBallBack) {
    Runner p;
    p.ballAt(5, 20, 0, 1);
    p.set(5, 22, Wall);
    p.eng.Timer1Timer();
    EXPECT_EQ(p.my.ballY, 21);
    EXPECT_EQ(p.s.ballDY, -1);
    EXPECT_TRUE(p.play.Timer1.enabled());
    EXPECT_TRUE(p.played("11.wav@0"));
    p.eng.Timer1Timer();
    EXPECT_EQ(p.my.ballY, 20);
}

TEST(RunnerRules, DeadlyCellCostsPointsButTheExplosionDoesNot) {
    Runner p;
    p.ballAt(5, 10, 0, -1);
    p.my.combo = 3;
    p.set(5, 10, Deadly);
    p.eng.Timer1Timer();
    EXPECT_EQ(p.my.score, -90);
    EXPECT_EQ(p.log(), " -90");

    Runner q;
    q.ballAt(5, 10, 0, -1);
    q.my.combo = 3;
    q.play.leftClick();
    EXPECT_EQ(q.my.hp, 9);
    EXPECT_EQ(q.my.score, 0);
}

TEST(RunnerRules, NegativeBasesAndOtherMoney) {
    const struct {
        std::int32_t code;
        const char* log;
        std::int32_t score, money;
    } rows[] = {{TimeMinus, " -60 【Time -10】", -60, 0},
                {Poison, " -30 【HP-1damege!!】", -30, 0},
                {Shrink, " -30 【SMALL!!】", -30, 0},
                {White, " +150", 150, 5},
                {Blue, " +450", 450, 2},
                {Pink, " +300", 300, 3},
                {ExPlus, " 【EX+ point!】→ +15000", 15000, 30}};
    for (const auto& r : rows) {
        Runner p;
        p.my.combo = 3;
        p.set(4, 4, r.code);
        p.eng.applyHit(4, 4, 1);
        EXPECT_EQ(p.log(), r.log) << r.code;
        EXPECT_EQ(p.my.score, r.score) << r.code;
        EXPECT_EQ(p.my.money, r.money) << r.code;
    }
}

TEST(RunnerRules, AllClearNoteFollowsItsPoints) {
    Runner p;
    p.set(4, 4, AllClear);
    EXPECT_TRUE(p.eng.applyHit(4, 4, 1));
    EXPECT_EQ(p.log(), " +300 【CLEAR BLOCK!】");
}

TEST(RunnerRules, PointsAreUncappedUntilTheStatusTick) {
    Runner p;
    p.my.combo = 1'000'000'000;
    p.my.score = 2'100'000'000;
    p.set(4, 4, ExPlus);
    p.eng.applyHit(4, 4, 1);
    EXPECT_EQ(p.log(), " 【EX+ point!】→ +5000000000000");
    EXPECT_EQ(p.my.score, 2'147'483'647);  // saturated, never wrapped
    p.eng.Timer2Timer();
    EXPECT_EQ(p.my.score, 2'000'000'000);
    EXPECT_EQ(p.my.combo, 1'000'000'000);  // no upper bound on the combo

    Runner q;
    q.my.combo = 2'147'483'647;
    q.set(4, 18, Bar);
    q.eng.applyHit(4, 18, 2);
    EXPECT_EQ(q.my.combo, 2'147'483'647);
}

TEST(RunnerRules, ServeKeepsTheAuthorLine) {
    Runner p;
    p.play.beginStage(BlockGrid{});
    p.play.moji_l2a.setCaption("byななしちゅんジ");
    p.play.serveFrom(4);
    EXPECT_EQ(p.play.play_l.caption(), "がんばってね☆");
    EXPECT_EQ(p.play.moji_l2a.caption(), "byななしちゅんジ");
    EXPECT_EQ(p.play.Timer1.interval(), 58);
    p.set(5, 5, Slow);
    p.eng.applyHit(5, 5, 1);
    EXPECT_EQ(p.play.Timer1.interval(), 68);
}

TEST(RunnerRules, ClicksWithoutABallInPlayDoNothing) {
    Runner p;
    p.my.ballX = 5;
    p.my.ballY = 10;
    p.set(5, 10, White);
    p.play.leftClick();
    EXPECT_EQ(p.at(5, 10), White);
    EXPECT_EQ(p.my.hp, 10);
}

TEST(RunnerRules, StatusLines) {
    Runner p;
    p.play.beginStage(BlockGrid{}, "道");
    p.set(1, 1, White);
    p.my.maxCombo = 40;
    p.eng.Timer2Timer();
    EXPECT_EQ(p.play.state_l.caption(),
              "HP:10/99 mHP:0/50\r\r\rステージ：-1/0\rスピード:58 (変化時間:0)\r\r▼お金: 0 moon円");
    EXPECT_EQ(p.play.stage_l.caption(), "this stage`s name>\r『道』");
    EXPECT_EQ(p.play.combo_l.caption(), "1 combo");
    EXPECT_EQ(p.play.point_l.caption(), "0");
    EXPECT_EQ(p.play.high_l.caption(), "");
}

TEST(RunnerRules, GameOverZeroesTheScoreAndShowsNoEndButton) {
    Runner p;
    p.ballAt(5, 10, 0, -1);
    p.set(5, 11, White);
    p.my.hp = 0;
    p.my.score = 5000;
    p.my.combo = 8;
    p.eng.Timer2Timer();
    EXPECT_EQ(p.play.moji_l2.caption(), "GAME OVER!!!");
    EXPECT_EQ(p.my.score, 0);
    EXPECT_EQ(p.my.hp, 10);
    EXPECT_EQ(p.my.combo, 1);
    EXPECT_FALSE(p.play.Timer1.enabled());
    EXPECT_TRUE(p.play.Timer2.enabled());
    EXPECT_FALSE(p.play.end_b.visible());
    p.play.leftClick();  // after GAME OVER a click does nothing
    EXPECT_EQ(p.at(5, 11), White);
    EXPECT_EQ(p.my.hp, 10);
}

TEST(RunnerRules, ClearStopsTheStatusTick) {
    Runner p;
    p.play.beginStage(BlockGrid{});
    p.play.serveFrom(5);
    p.play.play_l.show();
    p.eng.Timer2Timer();
    EXPECT_FALSE(p.play.Timer2.enabled());
    EXPECT_FALSE(p.play.Timer1.enabled());
    EXPECT_FALSE(p.play.play_l.visible());
    EXPECT_EQ(p.play.moji_l2.caption(), "CLEAR!!!");
    EXPECT_FALSE(p.play.ok_b.visible());
    EXPECT_TRUE(p.played("9.wav@0"));
}

TEST(RunnerRules, BannerGoesAfterSixSecondsEvenBeforeTheServe) {
    Runner p;
    p.play.moji_l2.setCaption("『道』");
    for (int s = 1; s <= 5; ++s) p.eng.Timer5Timer();
    EXPECT_EQ(p.play.moji_l2.caption(), "『道』");
    p.eng.Timer5Timer();
    EXPECT_EQ(p.play.moji_l2.caption(), "");
    EXPECT_EQ(p.play.Timer1.interval(), 58);
}

TEST(RunnerRules, NoBannerColouring) {
    Runner p;
    p.play.moji_l2.setCaption("x");
    p.play.moji_l2.setTransparent(true);
    p.eng.Timer7Timer();
    EXPECT_TRUE(p.play.moji_l2.transparent());
}

// A stage of every kind whose grid effect both rules share, played by a perfect bar.
BlockGrid sharedStage() {
    BlockGrid g;
    const std::int32_t kinds[] = {White,   Hard3,     Hard8,   Bomb, Slow,     AllClear,  Wall,
                                  RowBomb, TimeMinus, Heal,    Blue, Multiply, Poison,    Pink,
                                  Grow,    TimePlus,  PaleRed, Ex,   ExPlus,   Invisible, 31};
    int i = 0;
    for (int r = 2; r <= 9; ++r)
        for (int c = 1; c <= 10; ++c) g.set(c, r, kinds[(i++ * 7) % std::size(kinds)]);
    g.set(0, 5, White);  // margin cells
    g.set(11, 7, Wall);
    return g;
}

TEST(RunnerRules, SameStageAndInputsGiveTheSameGridWhereTheRulesAgree) {
    Play game;
    Runner runner;
    game.eng.setDrawing(false);
    runner.eng.setDrawing(false);
    for (Play* p : {&game, static_cast<Play*>(&runner)}) {
        p->play.beginStage(sharedStage());
        p->play.serveFrom(9);
    }
    for (int t = 0; t < 3000; ++t) {
        for (Play* p : {&game, static_cast<Play*>(&runner)}) {
            p->play.moveTo(kCellWidth * (p->my.ballX - 1));  // the bar's centre under the ball
            if (t % 97 == 50) p->play.rightClick();
            if (!p->eng.ballInPlay()) p->play.leftClick();
            p->eng.Timer1Timer();
        }
        ASSERT_EQ(game.s.blockGrid, runner.s.blockGrid) << "tick " << t;
        ASSERT_EQ(game.my.ballX, runner.my.ballX) << "tick " << t;
        ASSERT_EQ(game.my.ballY, runner.my.ballY) << "tick " << t;
    }
    EXPECT_NE(game.s.blockGrid, sharedStage());
    EXPECT_NE(game.my.money, runner.my.money);  // the awards differ
}

}  // namespace

// The practice paces lengthen every tick, the slow block's too, at once when chosen during play; the status
// block names the pace. The game's rules keep theirs.
TEST(RunnerRules, PracticePaceLengthensTheTicks) {
    EXPECT_EQ(Rules::game().serveTick(), 56);
    EXPECT_EQ(Rules::game().slowTick(), 66);
    Runner p;
    p.play.beginStage(BlockGrid{}, "道");
    p.set(1, 1, White);
    p.eng.setPace(75);
    p.play.leftClick();  // the serve
    EXPECT_EQ(p.play.Timer1.interval(), 77);
    p.eng.Timer2Timer();
    EXPECT_EQ(p.play.state_l.caption(),
              "HP:10/99 mHP:0/50\r\r\rステージ：-1/0\rスピード:77 (変化時間:0) 75%\r\r▼お金: 0 moon円");
    p.set(5, 5, Slow);
    p.eng.applyHit(5, 5, 1);
    EXPECT_EQ(p.play.Timer1.interval(), 91);
    p.eng.setPace(50);
    EXPECT_EQ(p.play.Timer1.interval(), 136);
    p.s.effectTicks = 1;
    p.eng.Timer5Timer();  // the slow effect ends
    EXPECT_EQ(p.play.Timer1.interval(), 116);
    p.eng.setPace(100);
    EXPECT_EQ(p.play.Timer1.interval(), 58);
    p.eng.Timer2Timer();
    EXPECT_EQ(p.play.state_l.caption(),
              "HP:10/99 mHP:0/50\r\r\rステージ：-1/0\rスピード:58 (変化時間:0)\r\r▼お金: 0 moon円");
}
