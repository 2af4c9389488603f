// The start panel, course selection, stage start, the help panel and the maintenance buttons.
#include "WindowFixture.h"
#include "engine/FieldPainter.h"

namespace gametest {
namespace {

using Played = std::vector<std::pair<std::string, int>>;

class CoursesTest : public WindowFixture {
  protected:
    void SetUp() override {
        folder.install();
        open();
    }
    void pick(ui::Button& b) { click(b); }
    bool whiteNear(int x, int y, int w, int h) {
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                if (window->main_box.picture().colourAt(i, j) == base::colours::White) return true;
        return false;
    }
};

// Which course buttons the start panel offers after one status tick.
struct Unlock {
    std::int32_t clearCount, course3Cleared;
    bool c1, c3, c4, c5, c6;
};
class UnlockTest : public CoursesTest, public ::testing::WithParamInterface<Unlock> {};

TEST_P(UnlockTest, ProgressRevealsCourses) {
    const Unlock& u = GetParam();
    my().clearCount = u.clearCount;
    my().course3Cleared = u.course3Cleared;
    platform.advance(10);
    game::TForm1& w = *window;
    EXPECT_TRUE(w.Button6.visible());
    EXPECT_EQ(w.c_b1.visible(), u.c1);
    EXPECT_EQ(w.c_b3.visible(), u.c3);
    EXPECT_EQ(w.c_b4.visible(), u.c4);
    EXPECT_EQ(w.c_b5.visible(), u.c5);
    EXPECT_EQ(w.star_l.visible(), u.c5);
    EXPECT_EQ(w.c_b6.visible(), u.c6);
}
INSTANTIATE_TEST_SUITE_P(Table, UnlockTest,
                         ::testing::Values(Unlock{0, 0, true, false, false, false, false},
                                           Unlock{2, 0, true, false, true, false, false},
                                           Unlock{3, 0, true, false, true, false, true},
                                           Unlock{4, 0, true, true, true, false, true},
                                           Unlock{6, 0, false, true, true, true, true},
                                           Unlock{1, 1, false, false, false, true, false}));

TEST_F(CoursesTest, HintAndRatingFollowThePointerUntilTheBackground) {
    game::TForm1& w = *window;
    run([&] { w.c_b3.onMouseMove({}); });
    EXPECT_EQ(w.hint_l.caption().substr(0, 14), "PELTRA CORSE >");
    EXPECT_EQ(w.star_l2.caption(), "★★★★★★★★");
    EXPECT_TRUE(w.star_l3.visible());
    run([&] { w.c_b5.onMouseMove({}); });
    EXPECT_EQ(w.star_l2.caption(), "☆：？？？？？？");
    run([&] { w.Label29.onMouseMove({}); });
    EXPECT_EQ(w.hint_l.caption(), "");
    EXPECT_EQ(w.star_l2.caption(), "");
    EXPECT_FALSE(w.star_l3.visible());
    run([&] { w.Button6.onMouseMove({}); });
    run([&] { w.start_box.onMouseMove({}); });
    EXPECT_FALSE(w.star_l3.visible());
}

TEST_F(CoursesTest, PickingACourseResetsTheRunAndReadsItsRecords) {
    folder.writeCourse(4, 777, 33);
    my().clearCount = 1;
    my().score = 5;
    sound.played.clear();
    pick(window->c_b4);
    game::TForm1& w = *window;
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(w.state.courseNo, 4);
    EXPECT_FALSE(w.start_box.visible());
    EXPECT_TRUE(w.ok_b.visible());
    EXPECT_TRUE(w.help_b.visible());
    EXPECT_TRUE(w.store_b.visible());
    EXPECT_FALSE(w.play_l.visible());
    EXPECT_EQ(w.moji_l2.caption(), "【ＢＯＮＵＳ ＣＯＲＳＥ】");
    EXPECT_EQ(w.moji_l2a.caption(), "LOVE THE BEAT!");
    EXPECT_EQ(my().score, 0);
    EXPECT_EQ(my().timeLeft, 160);
    EXPECT_EQ(my().combo, 1);
    EXPECT_EQ(my().barX, 2);
    EXPECT_EQ(my().hiScore, 777);
    EXPECT_EQ(my().hiMaxCombo, 33);
    EXPECT_EQ(sound.played, (Played{{"b.wav", 0}}));
}

TEST_F(CoursesTest, TheToyButtonWaitsForAFirstAllClear) {
    pick(window->Button6);
    EXPECT_FALSE(window->store_b.visible());
}

TEST_F(CoursesTest, ReadyStartsTheFirstStage) {
    engine::BlockGrid grid;
    grid.set(3, 3, engine::Hard2);
    for (int c = 0; c <= 11; ++c) grid.set(c, 18, engine::White);
    folder.writeStage(2, 0, grid, "はじまり", "作者");
    pick(window->Button6);
    window->state.timePresent = 7;
    click(window->ok_b);
    game::TForm1& w = *window;
    ASSERT_TRUE(errors().empty());
    EXPECT_EQ(my().stageNo, 0);
    EXPECT_EQ(w.state.blockGrid.at(3, 3), engine::Hard2);
    EXPECT_EQ(w.moji_l.caption(), "                  『はじまり』 by 作者");
    EXPECT_EQ(w.moji_l2.caption(), "『はじまり』");
    EXPECT_EQ(w.moji_l2a.caption(), "by 作者");
    // The bar replaces row 18 from column 0 to 11: three cells round column 2.
    for (int c = 0; c <= 11; ++c)
        EXPECT_EQ(w.state.blockGrid.at(c, 18), c >= 1 && c <= 3 ? engine::Bar : 0) << c;
    EXPECT_EQ(my().ballX, 9);
    EXPECT_EQ(my().ballY, 17);
    EXPECT_EQ(my().trailX[3], 9);
    EXPECT_EQ(my().trailY[0], 17);
    EXPECT_EQ(w.state.ballDX, 0);
    EXPECT_EQ(w.state.ballDY, -1);
    EXPECT_EQ(my().timeLeft, 167);
    EXPECT_TRUE(w.try_b.visible());
    EXPECT_TRUE(w.play_l.visible());
    EXPECT_EQ(w.play_l.caption(), "");
    EXPECT_FALSE(w.ok_b.visible());
    EXPECT_FALSE(w.help_b.visible());
    EXPECT_FALSE(w.moji_l2.transparent());
    EXPECT_TRUE(whiteNear(335, 320, 16, 20));  // the ball over the bar
}

TEST_F(CoursesTest, TheLastStageOfCourseThreeIsMapThreeTwentyThree) {
    folder.writeStage(3, 23);
    pick(window->c_b3);
    my().stageNo = 22;
    click(window->ok_b);
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(window->state.stageTitle, "stage 23");
}

TEST_F(CoursesTest, AMissingStageFileStopsTheStageStart) {
    pick(window->Button6);
    click(window->ok_b);
    EXPECT_EQ(errors(), std::vector<std::string>{"ﾌｧｲﾙが見つかりません."});
    EXPECT_EQ(my().stageNo, 0);
    EXPECT_FALSE(window->ok_b.visible());
    EXPECT_FALSE(window->try_b.visible());
}

TEST_F(CoursesTest, HelpPanelAndRankingPage) {
    game::TForm1& w = *window;
    pick(w.Button6);
    sound.played.clear();
    std::filesystem::remove(folder.path("dat/my.dat"));
    click(w.help_b);
    EXPECT_TRUE(w.help_box.visible());
    EXPECT_EQ(w.help_box.bounds(), (ui::Rect{0, 0, 601, 401}));
    EXPECT_EQ(w.main_sp_l.maximum(), 56);
    EXPECT_EQ(w.main_sp_l.position(), 56);
    EXPECT_EQ(w.Image1.picture().colourAt(0, 0), base::colours::Blue);  // cg/usu1.bmp
    click(w.Button4);
    EXPECT_TRUE(w.rank_box.visible());
    EXPECT_EQ(w.rank_box.bounds().left, 32);
    click(w.Button48);
    EXPECT_FALSE(w.rank_box.visible());
    w.Timer1.setInterval(100);
    click(w.Button3);
    EXPECT_FALSE(w.help_box.visible());
    EXPECT_EQ(w.Timer1.interval(), 56);
    EXPECT_TRUE(std::filesystem::exists(folder.path("dat/my.dat")));
    EXPECT_EQ(sound.played, (Played{{"b.wav", 0}, {"b2.wav", 0}, {"b2.wav", 0}, {"b2.wav", 0}}));
}

TEST_F(CoursesTest, MaintenanceButtons) {
    game::TForm1& w = *window;
    folder.writeStage(1, 0);
    click(w.Button2);  // "ＳＴＲＥＥＴ　ＣＯＲＳＥ"
    EXPECT_EQ(w.state.courseNo, 1);
    my().stageNo = 0;
    const auto revision = w.main_box.revision();
    click(w.BitBtn3);  // "ｽﾃｰｼﾞﾛｰﾄﾞ": read, nothing drawn
    EXPECT_EQ(w.state.blockGrid.at(5, 5), engine::White);
    EXPECT_EQ(w.main_box.revision(), revision);
    w.state.blockGrid.set(0, 5, 3);
    click(w.Button5);  // "clear": the field only
    EXPECT_EQ(w.state.blockGrid.at(5, 5), 0);
    EXPECT_EQ(w.state.blockGrid.at(0, 5), 3);
    EXPECT_EQ(w.GroupBox1.bounds().top, 492);  // below the client area
}

TEST_F(CoursesTest, TheWindowHasItsFixedLook) {
    game::TForm1& w = *window;
    EXPECT_EQ(w.form.bounds().width, 602);
    EXPECT_EQ(w.form.bounds().height, 451);
    EXPECT_EQ(w.form.caption.rfind("ゾルバンブロック5th　ver1.0", 0), 0u);
    EXPECT_EQ(w.form.appTitle, "ゾルバン５ｔｈ");
    EXPECT_EQ(w.form.defaultFont.face, "ＭＳ Ｐゴシック");
    EXPECT_EQ(w.form.defaultFont.px, 12);
    EXPECT_EQ(w.form.background, base::colours::Silver);
    EXPECT_EQ(w.c_b3.kind(), ui::Button::Kind::Picture);
    EXPECT_EQ(w.c_b4.caption(), "ＢＯＲＮＵＳ　ＣＯＲＳＥ");
    EXPECT_EQ(w.item7_b.caption(), "mint flower");
    EXPECT_EQ(w.item1_b.bounds().top, 488);
    EXPECT_EQ(w.l2.bounds().top, 472);
    EXPECT_EQ(w.start_box.children().size(), 18u);
    // Every control the engine may touch is there.
    EXPECT_NE(w.controls.Timer7, nullptr);
    EXPECT_NE(w.controls.toyButtons[6], nullptr);
    EXPECT_NE(w.controls.badges[2], nullptr);
}

}  // namespace
}  // namespace gametest
