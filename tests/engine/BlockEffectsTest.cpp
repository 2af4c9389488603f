// Block effects: points times the combo, money, mHP, notes, bounds, clears into the margins and animations.
#include <gtest/gtest.h>

#include "PlayFixture.h"

namespace {

using namespace engine;
using enginetest::Play;

// One hit through slot 1 on a cell in the middle of the field.
struct Hit {
    std::int32_t code;
    std::int32_t combo;
    const char* log;
    std::int32_t score, money, mhp;
    const char* sound;
};

class EffectRows : public ::testing::TestWithParam<Hit> {};

TEST_P(EffectRows, PointsNotesMoneyAndSound) {
    const Hit& h = GetParam();
    Play p;
    p.my.combo = h.combo;
    p.my.ballX = 5;
    p.my.ballY = 10;
    p.set(5, 9, h.code);
    EXPECT_FALSE(p.eng.applyHit(5, 9, 1));
    EXPECT_EQ(p.log(), h.log);
    EXPECT_EQ(p.my.score, h.score);
    EXPECT_EQ(p.my.money, h.money);
    EXPECT_EQ(p.my.mhp, h.mhp);
    EXPECT_EQ(p.sounds(), (std::vector<std::string>{h.sound}));
}

INSTANTIATE_TEST_SUITE_P(GameTable, EffectRows,
                         ::testing::Values(Hit{White, 3, " +150", 150, 3, 1, "2.wav@0"},
                                           Hit{Hard8, 2, " +10", 10, 0, 0, "12.wav@0"},
                                           Hit{Blue, 1, " +150", 150, 1, 1, "14.wav@0"},
                                           Hit{Pink, 1, " +100", 100, 2, 1, "13.wav@0"},
                                           Hit{PaleRed, 1, " +250", 250, 1, 1, "15.wav@0"},
                                           Hit{Invisible, 1, " +300", 300, 3, 1, "13.wav@0"},
                                           Hit{TimeMinus, 1, " +500 【Time -10】", 500, 0, 0, "1.wav@0"},
                                           Hit{Heal, 1, " +200 【HP +1】", 200, 0, 0, "1.wav@0"},
                                           Hit{Poison, 1, " +500 【HP-1damege!!】", 500, 0, 0, "1.wav@0"},
                                           Hit{Shrink, 1, " +100 【SMALL!!】", 100, 0, 0, "1.wav@0"},
                                           Hit{Grow, 1, " +260 【LONG!!】", 260, 0, 0, "1.wav@0"},
                                           Hit{TimePlus, 1, " +200 【Time +10】", 200, 0, 0, "1.wav@0"},
                                           Hit{Multiply, 1, " 【増殖!】 +150", 150, 0, 0, "3.wav@0"},
                                           Hit{Ex, 2, " 【EX point!】→ +2000", 2000, 10, 0, "8.wav@0"},
                                           Hit{ExPlus, 1, " 【EX+ point!】→ +5000", 5000, 25, 0, "8.wav@0"},
                                           Hit{Slow, 1, "", 0, 0, 0, "1.wav@0"},
                                           Hit{Wall, 1, "", 0, 0, 0, "11.wav@0"}));

TEST(BlockEffects, HardNineNeedsNineHits) {
    Play p;
    p.set(4, 4, Hard8);
    for (int hit = 1; hit <= 8; ++hit) {
        p.eng.applyHit(4, 4, 1);
        EXPECT_EQ(p.at(4, 4), Hard8 - hit);
    }
    EXPECT_EQ(p.at(4, 4), White);
    p.eng.applyHit(4, 4, 1);
    EXPECT_EQ(p.at(4, 4), Empty);
    EXPECT_EQ(p.my.score, 8 * 5 + 50);
}

TEST(BlockEffects, ValuesChangedByEffects) {
    Play p;
    p.my.hp = p.my.maxHp = 99;
    p.my.timeLeft = 100;
    p.eng.setPhase(engine::PlayPhase::InPlay);
    for (auto code : {Heal, TimeMinus, Slow, Grow}) p.set(3, 3, code), p.eng.applyHit(3, 3, 1);
    EXPECT_EQ(p.my.hp, 99);  // a heal never passes maxHp
    EXPECT_EQ(p.my.timeLeft, 90);
    EXPECT_EQ(p.play.Timer1.interval(), 66);
    EXPECT_EQ(p.my.barHalfWidth, 2);
    EXPECT_EQ(p.s.effectTicks, 20);
    p.set(3, 3, Poison);
    p.my.hp = 1;
    p.eng.applyHit(3, 3, 1);
    EXPECT_EQ(p.my.hp, 0);
}

TEST(BlockEffects, ScoreSaturatesAtTwoBillion) {
    Play p;
    p.my.score = 1'999'999'000;
    p.set(2, 2, Ex);
    p.eng.applyHit(2, 2, 1);
    EXPECT_EQ(p.my.score, 2'000'000'000);

    Play q;
    q.my.combo = 999'999'999;
    q.my.score = 1'500'000'000;
    q.set(2, 2, ExPlus);
    q.eng.applyHit(2, 2, 1);
    EXPECT_EQ(q.log(), " 【EX+ point!】→ +2000000000");
    EXPECT_EQ(q.my.score, 2'000'000'000);
}

TEST(BlockEffects, MultiplyFillsEmptySideNeighboursIncludingMargins) {
    Play p;
    p.set(1, 1, Multiply);
    p.set(2, 1, Wall);
    p.eng.applyHit(1, 1, 1);
    EXPECT_EQ(p.at(1, 1), Empty);
    EXPECT_EQ(p.at(0, 1), Pink);
    EXPECT_EQ(p.at(1, 0), Pink);
    EXPECT_EQ(p.at(1, 2), Pink);
    EXPECT_EQ(p.at(2, 1), Wall);
    EXPECT_EQ(p.at(0, 0), Empty);  // no corners

    p.set(99, 99, Multiply);  // at the grid's own edge nothing is written beyond it
    p.eng.applyHit(99, 99, 1);
    EXPECT_EQ(p.at(98, 99), Pink);
    EXPECT_EQ(p.at(99, 98), Pink);
}

TEST(BlockEffects, ClearsNeverWriteOutsideTheGrid) {
    Play p;
    p.my.ballX = 1;
    p.my.ballY = 1;
    for (auto [x, y] : {std::pair{0, 0}, std::pair{99, 99}, std::pair{99, 0}}) {
        p.set(x, y, Bomb);
        p.eng.applyHit(x, y, 1);
        p.set(x, y, RowBomb);
        p.eng.applyHit(x, y, 2);
    }
    EXPECT_EQ(p.at(98, 98), Empty);
}

TEST(BlockEffects, RowBlastClearsTwentyColumnsAndFlashes) {
    Play p;
    p.my.ballX = 6;
    p.my.ballY = 12;
    for (int c = 0; c <= 21; ++c) p.set(c, 11, White);
    p.set(5, 11, RowBomb);
    p.eng.applyHit(5, 11, 2);
    for (int c = 1; c <= 20; ++c) EXPECT_EQ(p.at(c, 11), Empty) << c;
    EXPECT_EQ(p.at(0, 11), White);
    EXPECT_EQ(p.at(21, 11), White);
    EXPECT_EQ(p.my.score, 200);
    EXPECT_EQ(p.platform.clock.nowMs(), 200);  // two pauses of 100 ms
    // The wide flash covers the ball's row in red.
    EXPECT_EQ(p.play.main_box.picture().colourAt(10, cellTop(12) + 10), base::colours::Red);

    Play own;
    own.set(5, 11, RowBomb);
    own.set(4, 11, White);
    own.eng.applyHit(5, 11, 4);
    EXPECT_EQ(own.at(4, 11), White);
    EXPECT_EQ(own.platform.clock.nowMs(), 0);
}

TEST(BlockEffects, AllClearEndsTheTickBeforeTheWalls) {
    Play p;
    p.my.barX = 5;
    p.eng.placeBar();
    p.ballAt(5, 3, 1, -1);  // moves to (6, 2); the top wall would act
    p.set(7, 2, AllClear);
    p.set(6, 1, White);   // the vertical probe's block: cleared with the rest, no points
    p.set(15, 30, Wall);  // in the margin, inside the cleared area
    p.set(21, 5, Wall);   // outside it
    p.eng.Timer1Timer();
    EXPECT_EQ(p.my.ballX, 6);
    EXPECT_EQ(p.my.ballY, 2);
    EXPECT_EQ(p.s.ballDX, -1);
    EXPECT_EQ(p.s.ballDY, 1);
    EXPECT_EQ(p.log(), " +300");
    EXPECT_EQ(p.at(15, 30), Empty);
    EXPECT_EQ(p.at(5, 18), Empty);  // the bar too, until the mouse moves
    EXPECT_EQ(p.at(21, 5), Wall);
    EXPECT_FALSE(p.played("6.wav@0"));
}

TEST(BlockEffects, FailingSoundIsSwallowed) {
    struct Broken : SoundSink {
        void play(std::string_view, int) override { throw std::runtime_error("no mixer"); }
    } broken;
    ui::HeadlessPlatform platform("/nonexistent/");
    HeadlessPlay play(platform.services(), broken);
    play.state.blockGrid.set(3, 3, White);
    EXPECT_NO_THROW(play.engine.applyHit(3, 3, 1));
    EXPECT_EQ(play.state.my.score, 50);
}

}  // namespace
