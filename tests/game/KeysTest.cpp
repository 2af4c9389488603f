// zorban's window played with keys: the panels keep the keys, Enter presses the ready and end buttons.
#include "WindowFixture.h"
#include "engine/PlayEngine.h"
#include "ui/core/Key.h"

namespace gametest {
namespace {

class KeysWindowTest : public WindowFixture {
  protected:
    void SetUp() override {
        folder.install();
        folder.writeStage(2, 0);
    }
    bool press(int key) { return platform.key(window->form, {key, false, false, false, false}); }
    engine::PlayPhase phase() { return window->engine().phase(); }
};

TEST_F(KeysWindowTest, PanelsKeepTheKeysAndEnterPressesTheShownBigButton) {
    game::TForm1& w = open();
    EXPECT_FALSE(press(ui::keys::Enter)) << "start panel";
    EXPECT_FALSE(press(' ')) << "start panel";
    click(w.Button6);
    ASSERT_EQ(phase(), engine::PlayPhase::CourseReady);

    click(w.help_b);
    const std::int32_t bar = my().barX;
    EXPECT_FALSE(press(ui::keys::Right)) << "help";
    EXPECT_FALSE(press(ui::keys::Enter)) << "help";
    EXPECT_EQ(my().barX, bar);
    EXPECT_EQ(phase(), engine::PlayPhase::CourseReady);
    click(w.Button3);

    EXPECT_TRUE(press(ui::keys::Enter));
    EXPECT_EQ(phase(), engine::PlayPhase::Serve);
    EXPECT_TRUE(press(ui::keys::Right));
    const std::int32_t right = my().barX;
    EXPECT_TRUE(press(ui::keys::Left));
    EXPECT_EQ(my().barX, right - 1);
    EXPECT_TRUE(press(' '));
    EXPECT_EQ(phase(), engine::PlayPhase::InPlay);

    // Explosions take the lives; then Enter presses the end button, and the end panel keeps the keys.
    while (my().hp > 0) {
        press(' ');
        press(' ');
    }
    platform.advance(10);
    ASSERT_EQ(phase(), engine::PlayPhase::GameOver);
    EXPECT_TRUE(press(ui::keys::Enter));
    EXPECT_EQ(phase(), engine::PlayPhase::EndPanel);
    EXPECT_FALSE(press(ui::keys::Enter));
    EXPECT_FALSE(press(' '));
    EXPECT_TRUE(errors().empty());
}

TEST_F(KeysWindowTest, EscapeBacksOutOfTheRankingPageTheHelpAndTheToyShop) {
    game::TForm1& w = open();
    EXPECT_FALSE(press(ui::keys::Escape)) << "nothing to back out of";
    click(w.help_b);
    click(w.Button4);
    ASSERT_TRUE(w.rank_box.visible());
    EXPECT_TRUE(press(ui::keys::Escape));
    EXPECT_FALSE(w.rank_box.visible()) << "the page inside goes first";
    EXPECT_TRUE(w.help_box.visible());
    EXPECT_TRUE(press(ui::keys::Escape));
    EXPECT_FALSE(w.help_box.visible());

    click(w.store_b);
    ASSERT_TRUE(w.toy_box.visible());
    EXPECT_TRUE(platform.key(w.form, {ui::keys::Escape, false, false, false, true})) << "a held key";
    EXPECT_TRUE(w.toy_box.visible()) << "a repeat presses nothing";
    EXPECT_TRUE(press(ui::keys::Escape));
    EXPECT_FALSE(w.toy_box.visible());
    EXPECT_FALSE(press(ui::keys::Escape));
    EXPECT_TRUE(errors().empty());
}

}  // namespace
}  // namespace gametest
