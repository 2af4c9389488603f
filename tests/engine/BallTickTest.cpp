// The ball tick: probes and their order, corners, the bar, the walls and the loss of the ball.
#include <gtest/gtest.h>

#include "PlayFixture.h"

namespace {

using namespace engine;
using enginetest::Play;

TEST(BallTick, CornerHitsBothBlocksAndSkipsTheDiagonal) {
    Play p;
    p.ballAt(5, 10, 1, -1);  // moves to (6, 9)
    p.set(7, 9, White);      // side
    p.set(6, 8, White);      // vertical
    p.set(7, 8, White);      // diagonal: not probed
    p.eng.Timer1Timer();
    EXPECT_EQ(p.my.ballX, 6);
    EXPECT_EQ(p.my.ballY, 9);
    EXPECT_EQ(p.s.ballDX, -1);
    EXPECT_EQ(p.s.ballDY, 1);
    EXPECT_EQ(p.at(7, 9), Empty);
    EXPECT_EQ(p.at(6, 8), Empty);
    EXPECT_EQ(p.at(7, 8), White);
    EXPECT_EQ(p.log(), " +50 +50");
}

TEST(BallTick, DiagonalProbeOnlyWithoutSideOrVerticalHit) {
    Play p;
    p.ballAt(5, 10, 1, -1);
    p.set(7, 8, White);
    p.eng.Timer1Timer();
    EXPECT_EQ(p.at(7, 8), Empty);
    EXPECT_EQ(p.s.ballDX, -1);
    EXPECT_EQ(p.s.ballDY, 1);
}

TEST(BallTick, SideBarCellFillsItsSlotWithoutTurningAndTheDiagonalStillHits) {
    Play p;
    p.my.barX = 3;
    p.ballAt(5, 15, 1, 1);  // moves to (6, 16)
    p.set(7, 16, Bar);
    p.set(7, 17, Hard1);
    p.eng.Timer1Timer();
    EXPECT_EQ(p.my.combo, 2);       // the bar cell was hit
    EXPECT_EQ(p.at(7, 17), White);  // and the diagonal block too
    EXPECT_EQ(p.s.ballDY, -1);
    EXPECT_TRUE(p.played("at1.wav@0"));
}

TEST(BallTick, ProbesAreAppliedInSlotOrderReadingTheCellAnew) {
    // With no sideways step the side probe is the ball's own cell: a hard block there is hit twice.
    Play p;
    p.ballAt(5, 10, 0, -1);
    p.set(5, 9, Hard3);  // code 4
    p.eng.Timer1Timer();
    EXPECT_EQ(p.at(5, 9), Hard1);
    EXPECT_EQ(p.log(), " +5 +5");
    EXPECT_EQ(p.sounds(), (std::vector<std::string>{"12.wav@0", "12.wav@0"}));
}

TEST(BallTick, BombAsOwnCellClearsOnlyItselfButBursts) {
    Play p;
    p.ballAt(5, 10, 1, -1);
    p.set(6, 9, Bomb);
    p.set(5, 9, White);  // a neighbour of the bomb
    p.eng.Timer1Timer();
    EXPECT_EQ(p.at(6, 9), Empty);
    EXPECT_EQ(p.at(5, 9), White);
    EXPECT_TRUE(p.played("7.wav@1"));
    // The last burst frame, (195, 0, 0), is centred on the ball's cell.
    EXPECT_EQ(p.play.main_box.picture().colourAt(cellLeft(6) + 20, cellTop(9) + 10),
              (base::Colour{195, 0, 0}));
}

TEST(BallTick, BombThroughTheSideProbeClearsItsNeighbours) {
    Play p;
    p.ballAt(5, 10, 1, -1);
    p.set(7, 9, Bomb);
    p.set(8, 10, Wall);
    p.set(8, 8, ExPlus);
    p.eng.Timer1Timer();
    EXPECT_EQ(p.at(8, 10), Empty);
    EXPECT_EQ(p.at(8, 8), Empty);
    EXPECT_EQ(p.my.score, 300);  // cleared cells award nothing
}

TEST(BallTick, BarMovedUnderTheBallLiftsItSilently) {
    Play p;
    p.my.barX = 5;
    p.ballAt(5, 18, 1, 1);
    p.set(5, 18, Bar);
    p.eng.Timer1Timer();
    EXPECT_EQ(p.my.ballY, 17);
    EXPECT_EQ(p.s.ballDY, -1);
    EXPECT_EQ(p.s.ballDX, 0);  // the centre cell sends it straight up
    EXPECT_EQ(p.my.combo, 1);
    EXPECT_TRUE(p.sound.played.empty());
}

TEST(BallTick, LeftWallSoundsEveryTickInColumnOneButNotInColumnTen) {
    Play p;
    p.ballAt(1, 15, 0, -1);
    for (int t = 0; t < 5; ++t) p.eng.Timer1Timer();
    EXPECT_EQ(p.sound.played.size(), 5u);
    EXPECT_EQ(p.my.ballX, 1);
    EXPECT_EQ(p.my.ballY, 10);

    Play q;
    q.ballAt(10, 15, 0, -1);
    for (int t = 0; t < 5; ++t) q.eng.Timer1Timer();
    EXPECT_TRUE(q.sound.played.empty());
}

TEST(BallTick, TopAndRightWallsTurnTheBall) {
    Play p;
    p.ballAt(9, 3, 1, -1);  // moves to (10, 2): the right and the top wall both act
    p.eng.Timer1Timer();
    EXPECT_EQ(p.my.ballX, 10);
    EXPECT_EQ(p.my.ballY, 1);
    EXPECT_EQ(p.s.ballDX, -1);
    EXPECT_EQ(p.s.ballDY, 1);
    EXPECT_EQ(p.sound.played.size(), 2u);
}

TEST(BallTick, BallOnRowTwentyIsLostAtTheNextTick) {
    Play p;
    p.ballAt(5, 19, 0, 1);
    p.my.combo = 7;
    p.eng.Timer1Timer();
    EXPECT_EQ(p.my.ballY, 20);
    EXPECT_TRUE(p.play.Timer1.enabled());
    p.eng.Timer1Timer();
    EXPECT_FALSE(p.play.Timer1.enabled());
    EXPECT_TRUE(p.play.try_b.visible());
    EXPECT_EQ(p.my.hp, 9);
    EXPECT_EQ(p.my.combo, 1);
    EXPECT_EQ(p.my.score, 0);
    EXPECT_EQ(p.play.moji_l2.caption(), "死亡！！");
    EXPECT_EQ(p.play.moji_l2a.caption(), "Life:9");
    EXPECT_EQ(p.sounds(), (std::vector<std::string>{"5.wav@0"}));
}

TEST(BallTick, DeadlyCellTakesALifeAndReflectsNothing) {
    Play p;
    p.ballAt(5, 10, 0, -1);
    p.set(5, 9, Deadly);  // not solid: the ball steps onto it
    p.eng.Timer1Timer();
    EXPECT_EQ(p.my.ballY, 9);
    EXPECT_TRUE(p.play.Timer1.enabled());
    p.eng.Timer1Timer();
    EXPECT_EQ(p.my.hp, 9);
    EXPECT_FALSE(p.play.Timer1.enabled());
}

TEST(BallTick, UnknownCodesReflectWithoutEffect) {
    Play p;
    p.ballAt(5, 10, 0, -1);
    p.set(5, 8, 30);
    p.set(4, 8, -7);
    p.eng.Timer1Timer();
    EXPECT_EQ(p.s.ballDY, 1);
    EXPECT_EQ(p.at(5, 8), 30);
    EXPECT_TRUE(p.log().empty());
}

TEST(BallTick, DrawingOffChangesTheSameState) {
    Play on, off;
    off.eng.setDrawing(false);
    for (Play* p : {&on, &off}) {
        p->ballAt(3, 12, 1, -1);
        p->s.ballFlashTicks = 3;
        p->set(6, 5, Bomb);
        p->set(5, 11, RowBomb);  // met by the side probe of the first tick
        for (int t = 0; t < 40; ++t) p->eng.Timer1Timer();
    }
    EXPECT_EQ(on.s.blockGrid, off.s.blockGrid);
    EXPECT_EQ(on.my.trailX, off.my.trailX);
    EXPECT_EQ(on.s.colourPhase, off.s.colourPhase);
    EXPECT_EQ(on.s.ballFlashTicks, off.s.ballFlashTicks);
    EXPECT_EQ(on.my.score, off.my.score);
    EXPECT_GT(on.platform.clock.nowMs(), 0);  // the row flash paused
    EXPECT_EQ(off.platform.clock.nowMs(), 0);
}

}  // namespace
