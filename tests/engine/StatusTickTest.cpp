// The game's status tick: texts, records and bounds, mHP, GAME OVER, CLEAR and ALL CLEAR, unlocks and badges.
#include <gtest/gtest.h>

#include <limits>

#include "PlayFixture.h"
#include "engine/ScoreText.h"

namespace {

using namespace engine;
using enginetest::Play;

TEST(ScoreText, GroupsOfFourDigits) {
    const std::pair<std::int64_t, const char*> rows[] = {
        {0, "0"},
        {9'999, "9999"},
        {10'000, "1万0000"},
        {1'000'000, "100万0000"},
        {123'456'789, "1億2345万6789"},
        {100'000'000, "1億0000万0000"},
        {2'000'000'000, "20億0000万0000"},
        {-5, "-5"},
        {-1'234, "-1234"},
        {-12'345, "-1万2345"},
        {-10'000'000, "-1000万0000"},
        {-2'147'483'648, "-21億4748万3648"},
    };
    for (const auto& [v, text] : rows) EXPECT_EQ(scoreText(v), text) << v;
    EXPECT_EQ(scoreText(std::numeric_limits<std::int64_t>::min()), "-0368億5477万5808");
}

// A stage in play with a block left, so that the tick does not end it.
struct Running : Play {
    Running() {
        play.beginStage(BlockGrid{});
        set(1, 1, White);
        play.serveFrom(5);
        sound.played.clear();
    }
};

TEST(StatusTick, StatusTexts) {
    Running p;
    p.my.hp = 7;
    p.my.mhp = 12;
    p.my.money = 345;
    p.my.maxCombo = 3;
    p.my.hiMaxCombo = 5;
    p.my.stageNo = 2;
    p.my.score = 123'456;
    p.my.hiScore = 9;
    p.my.timeLeft = 321;
    p.s.effectTicks = 4;
    p.s.courseNo = 3;
    p.s.stageTitle = "森";
    p.my.combo = 12;
    p.eng.Timer2Timer();
    EXPECT_EQ(p.play.state_l.caption(),
              "HP:7/99 mHP:12/50\r\r\rステージ：3/11\rスピード:56 (変化時間:4)\r\r▼お金: 345 "
              "moon円\rMAXCOMBO:3(HI:5)");
    EXPECT_EQ(p.my.maxCombo, 12);  // recorded after the text was built
    EXPECT_EQ(p.play.point_l.caption(), "12万3456");
    EXPECT_EQ(p.play.high_l.caption(), "12万3456");
    EXPECT_EQ(p.play.combo_l.caption(), "12 combo");
    EXPECT_EQ(p.play.gold_l.caption(), "345 moon円");
    EXPECT_EQ(p.play.time_l.caption(), "残時間:321光年");
    EXPECT_EQ(p.play.stage_l.caption(), "<PELTRA!!! CORSE>\r『森』");
    EXPECT_EQ(p.play.lv_l.caption(), "10万点達成!【この小さな星の裏側は凍てつき誰も地上に出られない】");
    EXPECT_EQ(p.play.l2.caption(), "クリア回数0 処理速度56 タイマー速度1000");
    EXPECT_EQ(p.play.hp_l.progress(), 7);
    EXPECT_EQ(p.play.mp_l.progress(), 12);
    EXPECT_EQ(p.s.lastStageNo, 23);  // course 3's, taken at the end of the tick
}

TEST(StatusTick, UnchangedLabelsAreNotTouched) {
    Running p;
    p.eng.Timer2Timer();
    p.eng.Timer2Timer();  // the records of the first tick show in the second
    std::vector<std::uint64_t> before;
    ui::Control* watched[] = {&p.play.state_l, &p.play.point_l, &p.play.high_l, &p.play.combo_l,
                              &p.play.time_l,  &p.play.stage_l, &p.play.lv_l,   &p.play.gold_l,
                              &p.play.l2,      &p.play.moji_l3, &p.play.hp_l,   &p.play.c_b1};
    for (ui::Control* c : watched) before.push_back(c->revision());
    p.eng.Timer2Timer();
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(watched[i]->revision(), before[i]) << watched[i]->name();
    p.my.timeLeft = 77;
    p.eng.Timer2Timer();
    EXPECT_EQ(p.play.time_l.caption(), "残時間:77光年");
    // A caption changed elsewhere is set again at the next tick.
    p.play.time_l.setCaption("x");
    p.eng.Timer2Timer();
    EXPECT_EQ(p.play.time_l.caption(), "残時間:77光年");
}

TEST(StatusTick, BoundsAndRecords) {
    Running p;
    p.my.combo = 1'000'000'000;
    p.my.timeLeft = 5000;
    p.my.money = 100'000;
    p.my.stageNo = 40;
    p.my.stagesCleared = 40;
    p.my.score = 77;
    p.eng.Timer2Timer();
    EXPECT_EQ(p.my.combo, 999'999'999);
    EXPECT_EQ(p.my.maxCombo, 999'999'999);
    EXPECT_EQ(p.my.hiMaxCombo, 999'999'999);
    EXPECT_EQ(p.my.timeLeft, 999);
    EXPECT_EQ(p.my.money, 99'999);
    EXPECT_EQ(p.my.stageNo, 10);
    EXPECT_EQ(p.my.stagesCleared, 10);
    EXPECT_EQ(p.my.hiScore, 77);
}

TEST(StatusTick, FullMhpGivesALifePastTheMaximum) {
    Running p;
    p.my.hp = p.my.maxHp = 99;
    p.my.mhp = 50;
    p.eng.Timer2Timer();
    EXPECT_EQ(p.my.hp, 100);
    EXPECT_EQ(p.my.mhp, 0);
    EXPECT_EQ(p.log(), "                START!!! 【mHP full! > HP +1】");
    EXPECT_EQ(p.sounds(), (std::vector<std::string>{"1.wav@1"}));
}

TEST(StatusTick, GameOverOnlyOutsideTheStartPanel) {
    Running p;
    p.my.hp = 0;
    p.my.combo = 9;
    p.eng.setPhase(engine::PlayPhase::StartPanel);
    p.eng.Timer2Timer();
    EXPECT_EQ(p.my.hp, 0);
    EXPECT_FALSE(p.play.end_b.visible());
    p.eng.setPhase(engine::PlayPhase::CourseReady);
    p.eng.Timer2Timer();
    EXPECT_EQ(p.play.moji_l2.caption(), "GAME OVER!!!");
    EXPECT_EQ(p.my.hp, 10);
    EXPECT_EQ(p.my.combo, 1);
    EXPECT_TRUE(p.play.end_b.visible());
    EXPECT_FALSE(p.play.try_b.visible());
    EXPECT_FALSE(p.play.Timer1.enabled());
    EXPECT_TRUE(p.play.Timer2.enabled());
}

TEST(StatusTick, ClearWithTimeBonusAndGift) {
    Running p;
    p.set(1, 1, Wall);
    p.set(2, 2, Deadly);
    p.my.timeLeft = 100;
    p.my.combo = 3;
    p.my.stagesCleared = 6;
    p.eng.Timer2Timer();
    EXPECT_FALSE(p.play.Timer1.enabled());
    EXPECT_TRUE(p.play.ok_b.visible());
    EXPECT_TRUE(p.play.help_b.visible());
    EXPECT_TRUE(p.play.store_b.visible());
    EXPECT_FALSE(p.play.play_l.visible());
    EXPECT_EQ(p.play.moji_l2.caption(), "CLEAR!!!");
    EXPECT_GE(p.s.timePresent, 60);
    EXPECT_LE(p.s.timePresent, 74);
    EXPECT_EQ(p.play.moji_l2a.caption(), "time present +" + std::to_string(p.s.timePresent) + "光年");
    EXPECT_EQ(p.log(), "                START!!! 【Time bonus】→ +300");
    EXPECT_EQ(p.my.score, 300);
    EXPECT_EQ(p.my.timeLeft, 100);
    EXPECT_EQ(p.my.stagesCleared, 6);  // stage 0 cleared: no rise
    EXPECT_EQ(p.sounds(), (std::vector<std::string>{"9.wav@0"}));
    p.eng.Timer2Timer();  // once only
    EXPECT_EQ(p.sound.played.size(), 1u);
}

TEST(StatusTick, NoTimeBonusBelowAHundred) {
    Running p;
    p.set(1, 1, Empty);
    p.my.timeLeft = 99;
    p.eng.Timer2Timer();
    EXPECT_EQ(p.play.moji_l2.caption(), "CLEAR!!!");
    EXPECT_EQ(p.my.score, 0);
    EXPECT_EQ(p.my.stagesCleared, 1);
}

TEST(StatusTick, UnknownCodeKeepsTheStageOpen) {
    Running p;
    p.set(1, 1, 30);
    for (int i = 0; i < 3; ++i) p.eng.Timer2Timer();
    EXPECT_TRUE(p.play.Timer1.enabled());
    EXPECT_FALSE(p.play.ok_b.visible());
}

TEST(StatusTick, AllClearSavesAndStops) {
    Running p;
    int saves = 0;
    p.eng.saveCommonData = [&] { ++saves; };
    p.set(1, 1, Empty);
    p.my.stageNo = 10;
    p.my.timeLeft = 500;
    p.my.clearCount = 99;
    p.s.courseNo = 3;
    p.eng.Timer2Timer();
    EXPECT_EQ(p.play.moji_l2.caption(), "ALL CLEAR!");
    EXPECT_EQ(p.play.moji_l2a.caption(), "");
    EXPECT_FALSE(p.play.Timer2.enabled());
    EXPECT_FALSE(p.play.ok_b.visible());
    EXPECT_TRUE(p.play.end_b.visible());
    EXPECT_EQ(p.my.clearCount, 99);
    EXPECT_EQ(p.my.course3Cleared, 1);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(p.my.score, 0);  // no time bonus
    EXPECT_EQ(p.log(), "                START!!!");
}

TEST(StatusTick, AllClearShowsTheEndButtonEvenWhenSavingFails) {
    Running p;
    p.eng.saveCommonData = [] { throw std::runtime_error("ﾃﾞｨｽｸがいっぱいです"); };
    p.set(1, 1, Empty);
    p.my.stageNo = 10;
    p.platform.handle([&] { p.eng.Timer2Timer(); });
    EXPECT_TRUE(p.play.end_b.visible());
    EXPECT_EQ(p.platform.dialogs.errors, (std::vector<std::string>{"ﾃﾞｨｽｸがいっぱいです."}));
}

TEST(StatusTick, ScoreBrackets) {
    const std::pair<std::int32_t, const char*> rows[] = {
        {9'999, ""},
        {10'000, "10000点達成!【このクレーターを『はじまるむ湖』と名づけよう】"},
        {9'999'999, "100万点達成!【いつか立とう、あの母なる星の緑の丘に。】"},
        {10'000'000, "1000万点達成!【いつか立とう、あの母なる星の緑の丘に。】"},
        {1'999'999'999, "10億点達成!【帰ろう････生命と水の星、大地へ！】"},
        {2'000'000'000, "20億点制覇!【来た、時の最果て、ここは宇宙の最後だ、ぎゃああ】"},
    };
    Running p;
    for (const auto& [score, text] : rows) {
        p.my.score = score;
        p.eng.Timer2Timer();
        EXPECT_EQ(p.play.lv_l.caption(), text) << score;
    }
}

TEST(StatusTick, ComboColours) {
    const struct {
        std::int32_t combo, phase;
        base::Colour colour;
    } rows[] = {{49, 1, base::colours::Yellow}, {50, 1, base::colours::Lime},
                {99, 4, base::colours::Yellow}, {100, 3, base::colours::Blue},
                {100, 1, base::colours::White}, {99'999, 5, base::colours::Lime}};
    Running p;
    for (const auto& r : rows) {
        p.my.combo = r.combo;
        p.s.colourPhase = r.phase;
        p.eng.Timer2Timer();
        EXPECT_EQ(p.play.combo_l.font().colour, r.colour) << r.combo << " " << r.phase;
    }
    p.my.combo = 100'000;
    p.s.colourPhase = 2;
    p.eng.Timer2Timer();
    EXPECT_EQ(p.play.combo_l.font().colour, base::colours::Lime);  // kept
}

TEST(StatusTick, CourseButtonsAndKeptBadges) {
    Running p;
    p.my.clearCount = 1;
    p.my.course3Cleared = 1;
    p.eng.Timer2Timer();
    EXPECT_TRUE(p.play.c_b5.visible());
    EXPECT_TRUE(p.play.star_l.visible());
    EXPECT_FALSE(p.play.c_b1.visible());
    EXPECT_FALSE(p.play.c_b3.visible());
    EXPECT_FALSE(p.play.c_b4.visible());
    p.my.course3Cleared = 0;
    p.my.clearCount = 4;
    p.eng.Timer2Timer();
    EXPECT_TRUE(p.play.c_b1.visible());
    EXPECT_FALSE(p.play.c_b5.visible());
    EXPECT_TRUE(p.play.c_b3.visible() && p.play.c_b4.visible() && p.play.c_b6.visible());

    p.my.timeLeft = 999;
    p.my.toyOwned[6] = 1;
    p.my.toyOwned[5] = 2;
    p.eng.Timer2Timer();
    p.my.timeLeft = 10;
    p.eng.Timer2Timer();
    EXPECT_TRUE(p.play.e2.visible());
    EXPECT_EQ(p.my.badgeTime, 1);
    EXPECT_FALSE(p.play.e1.visible());
    EXPECT_TRUE(p.play.item7_b.visible());
    EXPECT_FALSE(p.play.item6_b.visible());
}

}  // namespace

namespace {

// The last life and the last counted block go in one handler: ten poison blocks hit from HP 10.
TEST(StatusTick, GameOverIsFinalEvenWhenTheFieldIsEmptiedWithTheLastLife) {
    Play p;
    p.play.beginStage(BlockGrid{});
    for (int r = 1; r <= 10; ++r) p.set(3, r, Poison);
    p.play.serveFrom(5);
    p.my.hp = 10;
    p.my.stageNo = 0;
    p.s.courseNo = 1;
    const std::int32_t cleared = p.my.stagesCleared, clearCount = p.my.clearCount;
    for (int r = 1; r <= 10; ++r) {
        p.eng.applyHit(3, r, 1);
        p.eng.Timer2Timer();
    }
    EXPECT_EQ(p.play.moji_l2.caption(), "GAME OVER!!!");
    for (int i = 0; i < 5; ++i) p.eng.Timer2Timer();
    EXPECT_EQ(p.play.moji_l2.caption(), "GAME OVER!!!");
    EXPECT_FALSE(p.play.ok_b.visible());
    EXPECT_TRUE(p.play.end_b.visible());
    EXPECT_EQ(p.play.moji_l2a.caption().find("time present"), std::string::npos);
    EXPECT_EQ(p.my.stagesCleared, cleared);
    EXPECT_EQ(p.my.clearCount, clearCount);
    EXPECT_FALSE(p.played("9.wav@0")) << "no CLEAR fanfare after GAME OVER";
}

TEST(BlockEffects, AHealBlockNeverLowersHp) {
    Play p;
    p.my.maxHp = 99;
    const std::pair<std::int32_t, std::int32_t> rows[] = {{100, 100}, {99, 99}, {98, 99}, {5, 6}};
    for (const auto& [before, after] : rows) {
        p.my.hp = before;
        p.set(3, 3, Heal);
        p.eng.applyHit(3, 3, 1);
        EXPECT_EQ(p.my.hp, after) << before;
    }
}

}  // namespace
