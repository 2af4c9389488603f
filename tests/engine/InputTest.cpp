// Mouse input: bar placement, the serve, the left-click explosion and the right-click turn.
#include <gtest/gtest.h>

#include "PlayFixture.h"

namespace {

using namespace engine;
using enginetest::Play;

struct BarCase {
    int halfWidth, x, barX, first, last;  // the bar covers columns first..last
};

class BarPlacement : public ::testing::TestWithParam<BarCase> {};

TEST_P(BarPlacement, FitsTheBarIntoTheField) {
    const BarCase& b = GetParam();
    Play p;
    for (int c = 0; c <= 12; ++c) p.set(c, kBarRow, White);
    p.my.barHalfWidth = b.halfWidth;
    p.play.moveTo(b.x);
    EXPECT_EQ(p.my.barX, b.barX);
    for (int c = 0; c <= 11; ++c) EXPECT_EQ(p.at(c, kBarRow), c >= b.first && c <= b.last ? Bar : Empty) << c;
    EXPECT_EQ(p.at(12, kBarRow), White);  // beyond column 11 the row is left alone
}

INSTANTIATE_TEST_SUITE_P(Edges, BarPlacement,
                         ::testing::Values(BarCase{1, 0, 2, 1, 3}, BarCase{1, 399, 9, 8, 10},
                                           BarCase{1, 200, 6, 5, 7}, BarCase{2, 0, 3, 1, 5},
                                           BarCase{2, 399, 8, 6, 10}, BarCase{0, 0, 1, 1, 1},
                                           BarCase{0, 399, 10, 10, 10}, BarCase{1, -39, 2, 1, 3},
                                           BarCase{1, 5000, 9, 8, 10}));

TEST(Input, WaitingBallRidesOverTheBar) {
    Play p;
    p.play.beginStage(BlockGrid{});
    p.play.moveTo(130);
    EXPECT_EQ(p.my.ballX, 4);
    EXPECT_EQ(p.my.ballY, 17);
    EXPECT_EQ(p.s.ballDX, 0);
    EXPECT_EQ(p.s.ballDY, -1);
    EXPECT_TRUE(p.play.moji_l2.transparent());
    EXPECT_EQ(p.play.main_box.picture().colourAt(ballGlyphX(4) + 8, ballGlyphY(17) + 8),
              base::colours::White);
}

TEST(Input, ServeStartsTheBall) {
    Play p;
    p.play.beginStage(BlockGrid{});
    p.my.barHalfWidth = 2;
    p.s.effectTicks = 9;
    p.s.ballFlashTicks = 4;
    p.play.Timer1.setInterval(100);
    p.play.moji_l2a.setCaption("by me");
    p.play.serveFrom(3);
    EXPECT_TRUE(p.play.Timer1.enabled());
    EXPECT_EQ(p.play.Timer1.interval(), 56);
    EXPECT_FALSE(p.play.try_b.visible());
    EXPECT_EQ(p.log(), "                START!!!");
    EXPECT_EQ(p.play.play_l.caption(), "beat goes on+");
    EXPECT_EQ(p.play.moji_l2.caption(), "HANG IN THERE!");
    EXPECT_EQ(p.play.moji_l2a.caption(), "");
    EXPECT_EQ(p.my.barHalfWidth, 1);
    EXPECT_EQ(p.s.effectTicks, 0);
    EXPECT_EQ(p.s.ballFlashTicks, 0);
    EXPECT_EQ(p.my.trailX[0], 3);
    EXPECT_EQ(p.my.trailY[3], 17);
    EXPECT_EQ(p.at(5, kBarRow), Bar);  // the long bar stays until the mouse moves
    EXPECT_EQ(p.sounds(), (std::vector<std::string>{"at1.wav@0"}));
}

TEST(Input, LeftClickInPlayExplodesAndCostsALife) {
    Play p;
    p.ballAt(5, 10, 1, -1);
    p.my.hp = 1;
    p.my.combo = 4;
    for (int c = 4; c <= 6; ++c)
        for (int r = 9; r <= 11; ++r) p.set(c, r, White);
    p.set(7, 10, White);
    p.play.leftClick();
    for (int c = 4; c <= 6; ++c)
        for (int r = 9; r <= 11; ++r) EXPECT_EQ(p.at(c, r), Empty);
    EXPECT_EQ(p.at(7, 10), White);
    EXPECT_EQ(p.my.score, 0);
    EXPECT_EQ(p.my.hp, 0);
    EXPECT_EQ(p.my.combo, 1);
    EXPECT_EQ(p.play.moji_l2.caption(), "爆死！！");
    EXPECT_EQ(p.play.moji_l2a.caption(), "Life:0");
    EXPECT_FALSE(p.play.Timer1.enabled());
    EXPECT_EQ(p.sounds(), (std::vector<std::string>{"7.wav@1", "5.wav@0"}));
}

TEST(Input, ClicksIgnoredBetweenStagesAndAfterTheGame) {
    const auto blocked = [](engine::PlayPhase phase) {
        Play p;
        p.ballAt(5, 10, 1, -1);
        p.set(5, 11, White);
        p.eng.setPhase(phase);
        p.play.leftClick();
        p.play.rightClick();
        return p.at(5, 11) == White && p.my.hp == 10 && p.eng.phase() == phase;
    };
    using engine::PlayPhase;
    for (PlayPhase phase : {PlayPhase::CourseReady, PlayPhase::StageCleared, PlayPhase::StartPanel,
                            PlayPhase::GameOver, PlayPhase::AllClear})
        EXPECT_TRUE(blocked(phase)) << static_cast<int>(phase);
}

TEST(Input, RightClickTurnsTheBallForFiveTimeUnits) {
    Play p;
    p.ballAt(5, 10, 1, -1);
    p.my.timeLeft = 3;
    p.play.rightClick();
    EXPECT_EQ(p.s.ballDX, -1);
    EXPECT_EQ(p.s.ballFlashTicks, 20);
    EXPECT_EQ(p.my.timeLeft, -2);
    EXPECT_EQ(p.log(), " 【Time -5!】");
    EXPECT_EQ(p.sounds(), (std::vector<std::string>{"10.wav@1"}));

    // Straight up: left or right at random, both seen.
    bool seen[2] = {false, false};
    for (int i = 0; i < 64; ++i) {
        p.s.ballDX = 0;
        p.play.rightClick();
        ASSERT_TRUE(p.s.ballDX == 1 || p.s.ballDX == -1);
        seen[p.s.ballDX > 0] = true;
    }
    EXPECT_TRUE(seen[0] && seen[1]);

    Play stopped;
    stopped.s.ballDX = 1;
    stopped.play.rightClick();
    EXPECT_EQ(stopped.s.ballDX, 1);
    EXPECT_TRUE(stopped.sound.played.empty());
}

TEST(Input, MiddleButtonDoesNothing) {
    Play p;
    p.ballAt(5, 10, 1, -1);
    p.eng.main_boxMouseDown(ui::MouseButton::Middle);
    EXPECT_TRUE(p.sound.played.empty());
    EXPECT_EQ(p.my.hp, 10);
}

}  // namespace
