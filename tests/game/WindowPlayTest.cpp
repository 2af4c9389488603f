// Whole runs in the window: pick a course, start stages, serve, clear, lose, end panel, save, back to the
// start.
#include <malloc.h>

#include <functional>

#include "WindowFixture.h"
#include "tests/engine/TickCounter.h"

namespace gametest {
namespace {

class WindowPlayTest : public WindowFixture {
  protected:
    void SetUp() override { folder.install(); }

    void writeCourse(int course, int stages) {
        for (int s = 0; s < stages; ++s) folder.writeStage(course, s);
    }
    // Ready, serve, and play until the stage ends; true when it was cleared.
    bool playStage() {
        click(window->ok_b);
        serve();
        return playUntil([&] { return window->ok_b.visible() || window->end_b.visible(); });
    }
    std::vector<std::string> expectedCourseFile() {
        const engine::tmy& m = my();
        std::vector<std::string> lines{m.courseMemo};
        for (std::int32_t v : {m.stagesCleared, m.hiScore, m.maxHp, m.mhpQuota, m.hp, m.mhp, m.stageNo,
                               m.badgeCombo, m.badgeTime, m.badgeHp, m.hiMaxCombo})
            lines.push_back(std::to_string(v));
        return lines;
    }
};

TEST_F(WindowPlayTest, ClearAStageThenLoseEveryLifeAndSave) {
    writeCourse(2, 2);
    game::TForm1& w = open();
    ASSERT_TRUE(errors().empty());
    click(w.Button6);
    ASSERT_TRUE(playStage());
    EXPECT_EQ(w.moji_l2.caption(), "CLEAR!!!");
    EXPECT_TRUE(w.help_b.visible());
    EXPECT_FALSE(w.store_b.visible());
    EXPECT_EQ(my().stagesCleared, 1);
    const std::int32_t gift = w.state.timePresent;
    EXPECT_GE(gift, 60);
    EXPECT_LE(gift, 74);
    const std::int32_t timeBefore = my().timeLeft;
    const std::int32_t scoreAfterClear = my().score;
    EXPECT_GT(scoreAfterClear, 0);

    click(w.ok_b);
    EXPECT_EQ(my().stageNo, 1);
    EXPECT_EQ(my().timeLeft, timeBefore + gift);
    for (int life = 0; life < 10; ++life) {
        ASSERT_TRUE(w.try_b.visible()) << life;
        leftClick();  // serve
        leftClick();  // explode: one life
    }
    EXPECT_EQ(my().hp, 0);
    platform.advance(10);
    EXPECT_EQ(w.moji_l2.caption(), "GAME OVER!!!");
    EXPECT_TRUE(w.end_b.visible());
    EXPECT_EQ(my().hp, 10);

    click(w.end_b);
    EXPECT_FALSE(w.end_b.visible());
    EXPECT_TRUE(w.end_box.visible());
    EXPECT_EQ(w.end_corse_l.caption(), "VOCAL CORSE");
    EXPECT_EQ(w.end_stage_l.caption(), "2/11");
    EXPECT_EQ(w.end_point_l.caption(), w.point_l.caption());
    EXPECT_EQ(w.end_hipoint_l.caption(), w.high_l.caption());
    EXPECT_EQ(w.end_combo_l.caption(), std::to_string(my().maxCombo));
    EXPECT_EQ(w.clear_l.caption(), "");
    EXPECT_EQ(w.end_all_l.caption(), "0");

    click(w.Button10);
    ASSERT_TRUE(errors().empty());
    EXPECT_FALSE(w.end_box.visible());
    EXPECT_TRUE(w.start_box.visible());
    EXPECT_TRUE(w.Timer2.enabled());
    EXPECT_EQ(my().hiScore, scoreAfterClear);
    EXPECT_EQ(folder.lines("dat/my2.dat"), expectedCourseFile());
    EXPECT_EQ(folder.lines("投稿用2.txt"),
              (std::vector<std::string>{"■ゾルバンブロックデータ", "【ＶＯＣＡＬ ＣＯＲＳＥ】",
                                        "最高得点：" + w.high_l.caption() + "点",
                                        "MAXCOMBO：" + std::to_string(my().hiMaxCombo), "アイテム：0コ"}));

    // The start panel works again: another course can be picked.
    platform.advance(10);
    click(w.c_b1);
    EXPECT_TRUE(w.ok_b.visible());
}

TEST_F(WindowPlayTest, ACourseClearedToItsEndCountsAndShowsAllClear) {
    writeCourse(6, kLastStage[6] + 1);
    game::TForm1& w = open();
    my().clearCount = 3;  // course 6 is offered
    platform.advance(10);
    ASSERT_TRUE(w.c_b6.visible());
    click(w.c_b6);
    for (int s = 0; s <= kLastStage[6]; ++s) ASSERT_TRUE(playStage()) << s;
    EXPECT_EQ(w.moji_l2.caption(), "ALL CLEAR!");
    EXPECT_FALSE(w.Timer2.enabled());
    EXPECT_TRUE(w.end_b.visible());
    EXPECT_EQ(my().clearCount, 4);
    EXPECT_EQ(folder.lines("dat/my.dat").at(0), "4");  // written at once
    click(w.end_b);
    EXPECT_EQ(w.clear_l.caption(), "This Corse All Clear!!");
    EXPECT_EQ(w.end_stage_l.caption(), "10/10");
    EXPECT_EQ(w.end_corse_l.caption(), "VELORIS CORSE");
    click(w.Button10);
    EXPECT_TRUE(w.Timer2.enabled());
    EXPECT_EQ(folder.lines("dat/my6.dat"), expectedCourseFile());
    platform.advance(10);
    EXPECT_TRUE(w.c_b3.visible());  // a fourth ALL CLEAR opens course 3
}

std::size_t heapInUse() {
    const struct mallinfo2 m = ::mallinfo2();
    return m.uordblks + m.hblkhd;
}

TEST_F(WindowPlayTest, TwentyStagesInARowDoNotGrowTheHeap) {
    writeCourse(3, 20);
    game::TForm1& w = open();
    click(w.c_b3);
    std::size_t afterTwo = 0;
    for (int s = 0; s < 20; ++s) {
        ASSERT_TRUE(playStage()) << s;
        if (s == 1) afterTwo = heapInUse();
    }
    const std::size_t afterTwenty = heapInUse();
    constexpr std::size_t kSlack = 16 * 1024;  // bytes: captions and log texts of different lengths
    EXPECT_LE(afterTwenty, afterTwo + kSlack) << "grew by " << afterTwenty - afterTwo << " bytes";
}

// The last life goes with the field's last block: the run ends in GAME OVER, and nothing the player opens
// next (the end panel, help, the start panel) turns the empty field into a CLEAR or an ALL CLEAR.
TEST_F(WindowPlayTest, NoClearEverFollowsGameOver) {
    for (const int stage : {0, 10}) {  // a stage within the course, and its last
        SCOPED_TRACE(stage);
        folder.install();
        engine::BlockGrid grid;
        grid.set(kServeColumn, engine::kServeRow - 1, engine::White);  // the explosion at the serve takes it
        folder.writeStage(2, stage, grid, "last life", "tester");
        game::TForm1& w = open();
        click(w.Button6);
        platform.advance(10);  // a status tick learns the course's last stage
        my().stageNo = stage - 1;
        click(w.ok_b);
        my().hp = 1;
        serve();
        leftClick();  // the explosion: the block and the last life
        platform.advance(10);
        ASSERT_EQ(w.moji_l2.caption(), "GAME OVER!!!");
        const std::int32_t score = my().score, cleared = my().stagesCleared;
        click(w.end_b);
        platform.advance(100);
        click(w.help_b);
        click(w.Button3);
        platform.advance(100);
        EXPECT_EQ(my().score, score) << "no time bonus";
        EXPECT_EQ(my().stagesCleared, cleared);
        EXPECT_EQ(my().clearCount, 0);
        EXPECT_FALSE(w.ok_b.visible());
        EXPECT_FALSE(w.end_b.visible()) << "behind the end panel, the end button would block the next course";
        EXPECT_TRUE(w.end_box.visible());
        click(w.Button10);
        platform.advance(100);
        EXPECT_EQ(my().clearCount, 0);
        EXPECT_EQ(folder.lines("dat/my.dat").front(), "0") << "no ALL CLEAR counted";
        EXPECT_FALSE(w.end_b.visible());
    }
}

// GAME OVER shows the field as it stands: the poison block that took the last life is painted away.
TEST_F(WindowPlayTest, GameOverDrawsTheFieldAsItStands) {
    engine::BlockGrid grid;
    grid.set(kServeColumn, 2, engine::White);
    grid.set(kServeColumn, 10, engine::Poison);
    folder.writeStage(2, 0, grid, "last life", "tester");
    game::TForm1& w = open();
    click(w.Button6);
    click(w.ok_b);
    const int x = engine::kCellWidth * (kServeColumn - 1) + engine::kCellWidth / 2,
              y = engine::kCellHeight * (10 - 1) + engine::kCellHeight / 2;
    const std::uint32_t poisonLook = w.main_box.picture().pixel(x, y);
    my().hp = 1;
    serve();
    ASSERT_TRUE(playUntil([&] { return w.moji_l2.caption() == "GAME OVER!!!"; }));
    EXPECT_EQ(w.state.blockGrid.at(kServeColumn, 10), engine::Empty);
    EXPECT_NE(w.main_box.picture().pixel(x, y), poisonLook);
}

}  // namespace
}  // namespace gametest

namespace gametest {
namespace {

// On the start panel nothing can change until the player acts: no timer ticks at all. A course picked
// shows itself, and once its banner has aged the window rests again, its ready button waiting.
TEST_F(WindowPlayTest, AnIdleWindowRunsNoTimer) {
    writeCourse(1, 2);
    game::TForm1& w = open();
    platform.advance(1000);
    enginetest::TickCounter ticks(w.form);
    platform.advance(60'000);
    EXPECT_EQ(ticks.all(), 0);
    EXPECT_TRUE(errors().empty());

    click(w.c_b1);
    platform.advance(20);
    EXPECT_GE(ticks.of("Timer2"), 1);
    EXPECT_TRUE(w.ok_b.visible());
    platform.advance(10'000);
    ticks.reset();
    platform.advance(60'000);
    EXPECT_EQ(ticks.all(), 0);

    // The stage waits for its serve: only the one-second countdown ticks (a pause must know its second).
    click(w.ok_b);
    platform.advance(10'000);
    ticks.reset();
    platform.advance(10'000);
    EXPECT_EQ(ticks.all(), ticks.of("Timer5"));
    EXPECT_EQ(ticks.of("Timer5"), 10);
}

}  // namespace
}  // namespace gametest
