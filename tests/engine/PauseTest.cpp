// Pausing the play: what stops and what stays, going on, the P key, the focus and the close question.
#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "PlayFixture.h"

namespace {

using namespace engine;
using enginetest::Play;

constexpr const char* kCloseQuestion = "プレイ中です。終了しますか?";

// A stage on the virtual clock: a row of white blocks and a hard one, the ball served from column 5.
struct RunningPlay : Play {
    explicit RunningPlay(Rules rules = Rules::game()) : Play(std::move(rules)) {
        platform.start(play.form);
        BlockGrid g;
        for (int c = 1; c <= kFieldCols; ++c) g.set(c, 3, White);
        g.set(7, 9, Hard5);
        play.beginStage(g, "t", "a");
        play.moji_l2.setCaption("『t』");
    }
    void serve() {
        platform.handle([&] { play.serveFrom(5); });
    }
    bool key(int k, bool ctrl = false, bool alt = false, bool repeat = false, bool shift = false) {
        return platform.key(play.form, {k, ctrl, shift, alt, repeat});
    }
    void focus(bool active) {
        platform.handle([&] { play.form.activationChanged(active); });
    }
    bool closeQuery() {
        bool close = false;
        platform.handle([&] { close = play.form.onCloseQuery(); });
        return close;
    }
    PauseControl& pause() { return eng.pauseControl(); }
    std::vector<ui::Timer*> timers() {
        return {&play.Timer1, &play.Timer2, &play.Timer3, &play.Timer4,
                &play.Timer5, &play.Timer6, &play.Timer7};
    }
    std::string enabledTimers() {
        std::string out;
        for (ui::Timer* t : timers())
            if (t->enabled()) out += t->name() + " ";
        return out;
    }
};

// Everything of the play that a tick, a mouse event or a timer would change, as one comparable text.
std::string standing(RunningPlay& p) {
    std::ostringstream o;
    const tmy& m = p.my;
    o << "ball " << m.ballX << "," << m.ballY << " step " << p.s.ballDX << "," << p.s.ballDY << " bar "
      << m.barX << "/" << m.barHalfWidth << " time " << m.timeLeft << " effect " << p.s.effectTicks
      << " banner " << p.s.bannerTicks << " phase " << p.s.colourPhase << " flash " << p.s.ballFlashTicks
      << " score " << m.score << " combo " << m.combo << " hp " << m.hp << " trail";
    for (int i = 0; i < 4; ++i) o << " " << m.trailX[i] << "," << m.trailY[i];
    o << " | log '" << p.play.moji_l.caption() << "' banner '" << p.play.moji_l2.caption() << "' '"
      << p.play.moji_l2a.caption() << "' play_l '" << p.play.play_l.caption() << "' combo_l "
      << p.play.combo_l.visible() << " cg " << p.play.cg.visible() << " intervals";
    // Timer5 runs the rest of its second after a pause: checked on its own.
    for (ui::Timer* t : p.timers())
        if (t != &p.play.Timer5) o << " " << t->interval();
    std::uint64_t hash = 0;
    const base::Bitmap& pic = p.play.main_box.picture();
    for (int i = 0; i < pic.width() * pic.height(); ++i) hash = hash * 1099511628211u + pic.data()[i];
    o << " | picture " << hash << " grid " << (p.s.blockGrid == BlockGrid{} ? "empty" : "set");
    for (int c = 1; c <= kFieldCols; ++c) o << " " << p.s.blockGrid.at(c, 3) << p.s.blockGrid.at(c, kBarRow);
    return o.str();
}

TEST(Pause, StopsEveryTimerAndNothingMovesUntilPGoesOn) {
    RunningPlay p;
    p.serve();
    p.s.effectTicks = 12;
    p.platform.advance(2 * 56 + 3);
    p.play.Timer7.stop();  // a timer that was not running stays stopped
    const std::string before = standing(p);
    const std::string running = p.enabledTimers();

    EXPECT_TRUE(p.key('P'));
    EXPECT_TRUE(p.pause().paused());
    EXPECT_EQ(p.enabledTimers(), "");
    EXPECT_TRUE(p.play.pause_l.visible());
    EXPECT_EQ(p.play.pause_l.caption(), "PAUSE");
    EXPECT_TRUE(p.pause().ballInPlay());
    p.platform.advance(60'000);
    // The mouse neither moves the bar nor turns the ball while paused (a left click goes on: see below).
    p.platform.handle([&] { p.play.moveTo(0); });
    p.platform.handle([&] { p.play.rightClick(); });
    EXPECT_EQ(standing(p), before);
    EXPECT_TRUE(p.sound.played.size() == 1u) << "only the serve's sound";

    EXPECT_TRUE(p.key('P'));
    EXPECT_FALSE(p.pause().paused());
    EXPECT_FALSE(p.play.pause_l.visible());
    EXPECT_EQ(p.enabledTimers(), running);
    EXPECT_FALSE(p.play.Timer7.enabled());
    EXPECT_EQ(standing(p), before) << "going on changes nothing by itself";
    EXPECT_EQ(p.play.Timer5.interval(), 1000 - (2 * 56 + 3)) << "the rest of the countdown's second";
    const int y = p.my.ballY;
    p.platform.advance(56);
    EXPECT_EQ(p.my.ballY, y - 1) << "the ball moves one interval after going on";
    p.platform.handle([&] { p.play.moveTo(0); });
    EXPECT_EQ(p.my.barX, 2) << "the mouse works again";
}

// A left click on the field goes on as P does: no explosion, no serve, no turn, and the line under "PAUSE"
// says so.
TEST(Pause, ALeftClickGoesOnAndDoesNothingElse) {
    RunningPlay p;
    p.serve();
    p.platform.advance(2 * 56 + 3);
    const std::string running = p.enabledTimers();
    EXPECT_TRUE(p.key('P'));
    EXPECT_TRUE(p.play.pause_la.visible());
    EXPECT_EQ(p.play.pause_la.caption(), "P / Space キー・Start ボタン・クリックで再開");
    const std::string before = standing(p);
    p.platform.handle([&] { p.play.leftClick(); });
    EXPECT_FALSE(p.pause().paused());
    EXPECT_FALSE(p.play.pause_l.visible());
    EXPECT_FALSE(p.play.pause_la.visible());
    EXPECT_EQ(p.enabledTimers(), running);
    EXPECT_EQ(standing(p), before);
    EXPECT_EQ(p.sound.played.size(), 1u) << "only the serve's sound";
    p.platform.handle([&] { p.play.leftClick(); });
    EXPECT_LT(p.my.hp, 10) << "the next click explodes";
}

TEST(Pause, TheCountdownGoesOnFromThePartOfTheSecondThatHadPassed) {
    RunningPlay p;
    p.serve();
    const std::int64_t served = p.platform.clock.nowMs();
    // The countdown's seconds began when the window started, at 0 ms.
    p.platform.advance(1700 - served);
    const int time = p.my.timeLeft;
    p.key('P');
    p.platform.advance(10'000);
    p.key('P');
    p.platform.advance(299);
    EXPECT_EQ(p.my.timeLeft, time);
    p.platform.advance(1);
    EXPECT_EQ(p.my.timeLeft, time - 1) << "the rest of the second, not a fresh one";
    EXPECT_EQ(p.play.Timer5.interval(), 1000);
    p.platform.advance(999);
    EXPECT_EQ(p.my.timeLeft, time - 1);
    p.platform.advance(1);
    EXPECT_EQ(p.my.timeLeft, time - 2);

    // Pressing P again and again does not hold the stage time still: 10 s of play take 10 units.
    const int start = p.my.timeLeft;
    for (int i = 0; i < 40; ++i) {
        p.platform.advance(250);
        p.key('P');
        p.platform.advance(5000);
        p.key('P');
    }
    EXPECT_EQ(p.my.timeLeft, start - 10);
}

TEST(Pause, OnlyPlayPauses) {
    RunningPlay p;
    p.eng.setPhase(engine::PlayPhase::StartPanel);  // no stage yet: nothing waits for a serve, no ball runs
    EXPECT_TRUE(p.key('P')) << "the key is the window's";
    EXPECT_FALSE(p.pause().paused());
    EXPECT_NE(p.enabledTimers(), "");

    for (auto phase :
         {engine::PlayPhase::CourseReady, engine::PlayPhase::GameOver, engine::PlayPhase::EndPanel}) {
        p.eng.setPhase(phase);
        p.key('P');
        EXPECT_FALSE(p.pause().paused()) << static_cast<int>(phase);
    }
    // Waiting for the serve pauses too: the effect time and the banner stand still.
    p.eng.setPhase(engine::PlayPhase::Serve);
    p.key('P');
    EXPECT_TRUE(p.pause().paused());
    EXPECT_FALSE(p.pause().ballInPlay());
    p.platform.handle([&] { p.play.leftClick(); });
    EXPECT_FALSE(p.pause().paused());
    EXPECT_TRUE(p.play.try_b.visible()) << "the click that goes on does not serve";
    EXPECT_FALSE(p.play.Timer1.enabled());
    p.serve();
    EXPECT_TRUE(p.play.Timer1.enabled());
}

TEST(Pause, OnlyAPlainPressOfPToggles) {
    RunningPlay p;
    p.serve();
    EXPECT_FALSE(p.key('P', true));
    EXPECT_FALSE(p.key('P', false, true));
    EXPECT_FALSE(p.key('M'));
    EXPECT_FALSE(p.pause().paused());
    EXPECT_TRUE(p.key('P', false, false, true)) << "a held key repeats nothing";
    EXPECT_FALSE(p.pause().paused());
    EXPECT_TRUE(p.key('P', false, false, false, true));
    EXPECT_TRUE(p.pause().paused()) << "Shift (Caps Lock) counts";
}

TEST(Pause, LosingTheFocusPausesUnlessTurnedOffAndRegainingItDoesNotGoOn) {
    RunningPlay p;
    p.serve();
    p.focus(false);
    EXPECT_TRUE(p.pause().paused());
    p.focus(true);
    EXPECT_TRUE(p.pause().paused());
    p.key('P');

    p.platform.settings.set("PauseOnFocusLoss", 0);
    p.focus(false);
    EXPECT_FALSE(p.pause().paused());
    p.platform.settings.set("PauseOnFocusLoss", 1);
    {
        PauseControl::ModalDialog own(p.pause());
        p.focus(false);
        EXPECT_FALSE(p.pause().paused()) << "the window's own dialog is no loss of focus";
    }
    p.focus(false);
    EXPECT_TRUE(p.pause().paused());
}

TEST(CloseQuestion, AskedOnlyWithABallInPlayAndNoGoesOnAsBefore) {
    RunningPlay p;
    EXPECT_TRUE(p.closeQuery()) << "waiting for the serve closes unasked";
    EXPECT_TRUE(p.platform.dialogs.confirmations.empty());

    p.serve();
    const std::string running = p.enabledTimers();
    p.platform.dialogs.confirmAnswers.push_back(false);
    EXPECT_FALSE(p.closeQuery());
    EXPECT_EQ(p.platform.dialogs.confirmations, std::vector<std::string>{kCloseQuestion});
    EXPECT_FALSE(p.pause().paused()) << "No goes on";
    EXPECT_EQ(p.enabledTimers(), running);

    // A pause made before the question stays after No; a paused ball is still in play.
    p.key('P');
    p.platform.dialogs.confirmAnswers.push_back(false);
    EXPECT_FALSE(p.closeQuery());
    EXPECT_TRUE(p.pause().paused());
    EXPECT_EQ(p.enabledTimers(), "");

    p.platform.dialogs.confirmAnswers.push_back(true);
    EXPECT_TRUE(p.closeQuery());
    EXPECT_EQ(p.platform.dialogs.confirmations.size(), 3u);
}

TEST(CloseQuestion, NothingTicksWhileItIsAsked) {
    // Dialogs that look at the window while the question is open.
    struct Looking : ui::Dialogs {
        RunningPlay* p = nullptr;
        std::string timersWhileAsked;
        bool pausedWhileAsked = false;
        std::optional<std::string> openFile(const ui::FileDialogRequest&) override { return {}; }
        std::optional<std::string> saveFile(const ui::FileDialogRequest&) override { return {}; }
        bool confirm(const std::string&) override {
            timersWhileAsked = p->enabledTimers();
            pausedWhileAsked = p->pause().paused();
            p->focus(false);  // the question takes the focus
            return false;
        }
        int choose(const std::string&, const std::vector<std::string>& b) override {
            return int(b.size()) - 1;
        }
        void message(const std::string&) override {}
        void error(const std::string&) override {}
    } looking;
    RunningPlay p;
    looking.p = &p;
    p.serve();
    EXPECT_FALSE(p.pause().closeQuery(looking));
    EXPECT_EQ(looking.timersWhileAsked, "");
    EXPECT_TRUE(looking.pausedWhileAsked);
    EXPECT_FALSE(p.pause().paused()) << "the focus the question took does not keep the pause";
}

TEST(Pause, TheRunnerPausesItsSixTimers) {
    RunningPlay p(Rules::runner());
    p.serve();
    EXPECT_EQ(p.enabledTimers(), "Timer1 Timer2 Timer3 Timer4 Timer5 Timer6 Timer7 ");
    p.key('P');
    EXPECT_EQ(p.enabledTimers(), "Timer7 ") << "a timer outside the window's set is not the pause's";
    p.key('P');
    EXPECT_EQ(p.enabledTimers(), "Timer1 Timer2 Timer3 Timer4 Timer5 Timer6 Timer7 ");
}

}  // namespace
