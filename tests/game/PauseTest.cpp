// zorban's window with the pause: a paused run saves what an unpaused one saves; P, the focus and the close
// box.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "WindowFixture.h"
#include "engine/PlayEngine.h"

namespace gametest {
namespace {

constexpr int kAlignedMs = 280;  // a common multiple of the ball tick (56 ms) and the status tick (10 ms)
constexpr const char* kCloseQuestion = "プレイ中です。終了しますか?";

class PauseWindowTest : public WindowFixture {
  protected:
    void SetUp() override {
        folder.install();
        for (int s = 0; s < 2; ++s) folder.writeStage(2, s);
        playStepMs = 10;
    }
    bool press(int key, bool ctrl = false) {
        return platform.key(window->form, {key, ctrl, false, false, false});
    }
    bool paused() { return window->engine().pauseControl().paused(); }
    // The close box as the window layer runs it: the question, then the closing handler when it may close.
    bool closeBox() {
        bool close = false;
        run([&] { close = window->form.onCloseQuery(); });
        if (close) run([&] { window->form.onClose(); });
        return close;
    }

    // Course 2: the first stage cleared, the second lost to explosions, saved on the end panel and closed.
    // With pauses, P is pressed while the ball waits and twice in flight, each time for half a minute.
    std::vector<std::string> playRun(bool withPauses) {
        game::TForm1& w = open();
        click(w.Button6);
        click(w.ok_b);
        moveTo(40 * (kServeColumn - 1) + 20);
        if (withPauses) pauseFor(30'000);
        leftClick();
        if (withPauses) {
            for (int k = 0; k < 2; ++k) {
                platform.advance(kAlignedMs);
                pauseFor(30'000);
            }
        }
        EXPECT_TRUE(playUntil([&] { return w.ok_b.visible(); }));
        const std::string cleared =
            w.moji_l2.caption() + " " + w.point_l.caption() + " " + w.time_l.caption();
        click(w.ok_b);
        while (my().hp > 0) {
            leftClick();  // serve
            leftClick();  // explode: one life
        }
        platform.advance(10);
        click(w.end_b);
        click(w.Button10);
        EXPECT_TRUE(closeBox());
        EXPECT_TRUE(errors().empty());
        return {cleared, folder.read("dat/my2.dat"), folder.read("投稿用2.txt"), folder.read("dat/my.dat")};
    }
    void pauseFor(int ms) {
        EXPECT_TRUE(press('P'));
        ASSERT_TRUE(paused());
        platform.advance(ms);
        moveTo(0);  // the bar would jump to the left wall, and the waiting ball with it
        // A left click goes on, as P does, without serving or exploding.
        leftClick();
        ASSERT_FALSE(paused());
    }
};

TEST_F(PauseWindowTest, APausedRunSavesWhatAnUnpausedOneSaves) {
    const std::vector<std::string> plain = playRun(false);
    EXPECT_TRUE(platform.dialogs.confirmations.empty());
    window.reset();
    folder.install();
    const std::vector<std::string> paused = playRun(true);
    EXPECT_EQ(paused, plain);
    EXPECT_EQ(plain.at(0).substr(0, 8), "CLEAR!!!");
}

TEST_F(PauseWindowTest, PausesOnlyWhileABallIsInPlayOrWaitsForItsServe) {
    game::TForm1& w = open();
    EXPECT_TRUE(press('P'));
    EXPECT_FALSE(paused()) << "start panel";
    click(w.Button6);
    press('P');
    EXPECT_FALSE(paused()) << "ARE YOU READY !?";
    click(w.ok_b);
    press('P');
    EXPECT_TRUE(paused()) << "waiting for the serve";
    EXPECT_TRUE(w.pause_l.visible());
    for (ui::Timer* t : w.form.timers()) EXPECT_FALSE(t->enabled()) << t->name();
    press('P');
    EXPECT_FALSE(w.pause_l.visible());
    for (ui::Timer* t : w.form.timers()) EXPECT_EQ(t->enabled(), t != &w.Timer1) << t->name();
}

TEST_F(PauseWindowTest, FocusLossPausesUnlessTheSettingIsOff) {
    game::TForm1& w = open();
    click(w.Button6);
    click(w.ok_b);
    serve();
    run([&] { w.form.activationChanged(false); });
    EXPECT_TRUE(paused());
    run([&] { w.form.activationChanged(true); });
    EXPECT_TRUE(paused()) << "P goes on, not the focus";
    press('P');
    platform.settings.set("PauseOnFocusLoss", 0);
    run([&] { w.form.activationChanged(false); });
    EXPECT_FALSE(paused());
}

TEST_F(PauseWindowTest, ClosingInPlayAsksAndNoPlaysOn) {
    game::TForm1& w = open();
    click(w.Button6);
    click(w.ok_b);
    EXPECT_TRUE(closeBox()) << "waiting for the serve: no question";
    EXPECT_TRUE(platform.dialogs.confirmations.empty());
    std::filesystem::remove(folder.path("dat/my.dat"));

    serve();
    platform.dialogs.confirmAnswers = {false};
    EXPECT_FALSE(closeBox());
    EXPECT_EQ(platform.dialogs.confirmations, std::vector<std::string>{kCloseQuestion});
    EXPECT_FALSE(std::filesystem::exists(folder.path("dat/my.dat"))) << "nothing saved on No";
    EXPECT_FALSE(paused());
    const int y = my().ballY;
    platform.advance(56);
    EXPECT_NE(my().ballY, y) << "the ball plays on";

    platform.dialogs.confirmAnswers = {true};
    EXPECT_TRUE(closeBox());
    EXPECT_EQ(folder.lines("dat/my.dat").size(), 516u) << "Yes closes as the close box always did";
}

}  // namespace
}  // namespace gametest
