// The real-time timers: countdown and time out, effect time, banner age, log scrolling, blinking, beat and
// banner colours.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "PlayFixture.h"
#include "base/BmpFile.h"
#include "base/Cp932.h"
#include "engine/EventLog.h"
#include "tests/engine/TickCounter.h"

namespace {

using namespace engine;
using enginetest::Play;

TEST(Countdown, TimeOutSetsHpToZeroAndSkipsTheRest) {
    Play p;
    p.ballAt(5, 10, 0, -1);
    p.my.timeLeft = 1;
    p.s.effectTicks = 5;
    p.eng.Timer5Timer();
    EXPECT_EQ(p.my.timeLeft, 0);
    EXPECT_EQ(p.my.hp, 0);
    EXPECT_EQ(p.log(), "  time out!!!");
    EXPECT_EQ(p.play.moji_l2a.caption(), "time out!!!");
    EXPECT_EQ(p.s.effectTicks, 5);
    EXPECT_EQ(p.sounds(), (std::vector<std::string>{"5.wav@0"}));
}

TEST(Countdown, EffectTimeRunsWhileTheBallIsStopped) {
    Play p;
    p.my.timeLeft = 50;
    p.my.barHalfWidth = 2;
    p.s.effectTicks = 2;
    p.play.Timer1.setInterval(66);
    p.eng.Timer5Timer();
    EXPECT_EQ(p.my.barHalfWidth, 2);
    p.eng.Timer5Timer();
    EXPECT_EQ(p.my.timeLeft, 50);
    EXPECT_EQ(p.my.barHalfWidth, 1);
    EXPECT_EQ(p.s.effectTicks, 0);
    EXPECT_EQ(p.play.Timer1.interval(), 56);
}

TEST(Countdown, SpeedDownLastsUntilTheNextSecond) {
    Play p;
    p.eng.Button1Click();
    EXPECT_EQ(p.play.Timer1.interval(), 100);
    p.eng.Timer5Timer();
    EXPECT_EQ(p.play.Timer1.interval(), 56);
}

TEST(Countdown, BannerGoesAtItsSixthSecondWhileTheBallRuns) {
    Play p;
    p.my.timeLeft = 500;
    p.play.moji_l2.setCaption("HANG IN THERE!");
    p.play.moji_l3.setCaption("HANG IN THERE!");
    p.play.moji_l2a.setCaption("x");
    for (int s = 1; s <= 7; ++s) p.eng.Timer5Timer();  // stopped: it keeps counting
    EXPECT_EQ(p.play.moji_l2.caption(), "HANG IN THERE!");
    EXPECT_EQ(p.s.bannerTicks, 7);
    p.eng.setPhase(engine::PlayPhase::InPlay);
    p.eng.Timer5Timer();
    EXPECT_EQ(p.play.moji_l2.caption(), "");
    EXPECT_EQ(p.play.moji_l3.caption(), "");
    EXPECT_EQ(p.play.moji_l2a.caption(), "");
    EXPECT_EQ(p.s.bannerTicks, 0);
    p.eng.Timer5Timer();
    EXPECT_EQ(p.s.bannerTicks, 0);

    p.play.moji_l2.setCaption("again");
    for (int s = 1; s <= 5; ++s) p.eng.Timer5Timer();
    EXPECT_EQ(p.play.moji_l2.caption(), "again");
    p.eng.Timer5Timer();
    EXPECT_EQ(p.play.moji_l2.caption(), "");
}

TEST(EventLog, DropsWholeCharactersAndCutsAtEightyBytes) {
    EXPECT_EQ(scrollLog("").text, "");
    EXPECT_EQ(scrollLog("a").text, "");
    EXPECT_EQ(scrollLog("ab全角").text, "全角");
    EXPECT_EQ(scrollLog("a全角").text, "角");  // the full-width 全 is not split
    EXPECT_EQ(scrollLog("全角x").text, "角x");
    EXPECT_EQ(scrollLog("ｱｲｳ").text, "ｳ");  // half-width katakana are one byte each
    const std::string ascii79(79, 'a');
    const auto cut = scrollLog("xx" + ascii79 + "全");
    EXPECT_EQ(cut.text, ascii79);
    EXPECT_EQ(cut.bytes, 79u);
    EXPECT_EQ(scrollLog("xx" + std::string(100, 'b')).bytes, 80u);
}

TEST(EventLog, PaceFollowsTheLength) {
    Play p;
    p.play.moji_l.setCaption(std::string(45, 'z'));
    std::vector<int> intervals;
    while (!p.log().empty()) {
        p.eng.Timer3Timer();
        intervals.push_back(p.play.Timer3.interval());
    }
    // 43, 41 bytes: 10 ms; 39 .. 31: 100 ms; 29 and fewer: 500 ms.
    EXPECT_EQ(intervals, (std::vector<int>{10,  10,  100, 100, 100, 100, 100, 500, 500, 500, 500, 500,
                                           500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 500}));
    p.eng.Timer3Timer();
    EXPECT_EQ(p.play.Timer3.interval(), 500);

    Play r{Rules::runner()};
    r.play.moji_l.setCaption(std::string(44, 'z'));
    r.eng.Timer3Timer();
    EXPECT_EQ(r.play.Timer3.interval(), 50);  // 42 bytes
    r.eng.Timer3Timer();
    EXPECT_EQ(r.play.Timer3.interval(), 50);  // 40
    r.eng.Timer3Timer();
    EXPECT_EQ(r.play.Timer3.interval(), 100);  // 38
    r.play.moji_l.setCaption(std::string(21, 'z'));
    r.eng.Timer3Timer();
    EXPECT_EQ(r.play.Timer3.interval(), 500);  // 19
}

TEST(EventLog, LongJapaneseLogStaysWholeCharacters) {
    Play p;
    std::string text = "a";
    for (int i = 0; i < 60; ++i) text += "光";
    p.play.moji_l.setCaption(text);
    for (int t = 0; t < 70; ++t) {
        p.eng.Timer3Timer();
        ASSERT_TRUE(base::isCp932(p.log()));
        ASSERT_LE(base::cp932Length(p.log()), 80u);
    }
    EXPECT_TRUE(p.log().empty());
}

TEST(ComboBlink, BlinksOnlyWhileTheBallRuns) {
    Play p;
    p.play.combo_l.hide();
    p.eng.Timer4Timer();
    EXPECT_TRUE(p.play.combo_l.visible());
    p.eng.setPhase(engine::PlayPhase::InPlay);
    p.eng.Timer4Timer();
    EXPECT_FALSE(p.play.combo_l.visible());
    p.eng.Timer4Timer();
    EXPECT_TRUE(p.play.combo_l.visible());
}

class Beat : public ::testing::Test {
  protected:
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "zorban_engine_beat";
    void SetUp() override {
        std::filesystem::create_directories(dir / "cg");
        for (auto [name, colour] :
             {std::pair{"usu1.bmp", base::colours::Red}, std::pair{"usu2.bmp", base::colours::Blue}}) {
            std::ofstream(dir / "cg" / name, std::ios::binary)
                << base::encodeBmp(base::Bitmap(45, 45, colour));
        }
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
};

TEST_F(Beat, AlternatesPicturesAndQuickensAsTimeRunsOut) {
    Play p(Rules::game(), dir.string() + "/");
    p.eng.Timer6Timer();
    EXPECT_FALSE(p.play.cg.visible());
    p.eng.setPhase(engine::PlayPhase::InPlay);
    p.my.timeLeft = 100;
    p.play.play_l.setCaption("beat goes on*");
    p.eng.Timer6Timer();
    EXPECT_TRUE(p.play.cg.visible());
    EXPECT_EQ(p.play.play_l.caption(), "beat goes on+");
    EXPECT_EQ(p.play.cg.picture().colourAt(1, 1), base::colours::Red);
    EXPECT_EQ(p.play.Timer6.interval(), 700);
    p.my.timeLeft = 2;
    p.eng.Timer6Timer();
    EXPECT_EQ(p.play.play_l.caption(), "beat goes on*");
    EXPECT_EQ(p.play.cg.picture().colourAt(1, 1), base::colours::Blue);
    EXPECT_EQ(p.play.Timer6.interval(), 14);
    p.my.timeLeft = 0;
    p.eng.Timer6Timer();
    EXPECT_EQ(p.play.Timer6.interval(), 11);
    for (int i = 0; i < 50; ++i) p.eng.Timer6Timer();
    const int left = p.play.cg.bounds().left;
    EXPECT_TRUE(left == 404 || left == 449 || left == 494 || left == 539);
    EXPECT_EQ(p.play.cg.bounds().top, 272);

    Play r(Rules::runner(), dir.string() + "/");
    r.eng.setPhase(engine::PlayPhase::InPlay);
    r.eng.Timer6Timer();
    EXPECT_EQ(r.play.play_l.caption(), "がんばってね★");
    r.eng.Timer6Timer();
    EXPECT_EQ(r.play.play_l.caption(), "がんばってね☆");
}

TEST(BeatPicture, MissingPictureEndsTheTickWithAnError) {
    Play p;
    p.eng.setPhase(engine::PlayPhase::InPlay);
    p.my.timeLeft = 100;
    p.platform.handle([&] { p.eng.Timer6Timer(); });
    EXPECT_EQ(p.platform.dialogs.errors.size(), 1u);
    EXPECT_EQ(p.play.Timer6.interval(), 1000);  // not reached
}

TEST(BannerColours, FollowTheBall) {
    Play p;
    p.eng.Timer7Timer();
    EXPECT_FALSE(p.play.moji_l2.transparent());
    p.play.moji_l2.setCaption("CLEAR!!!");
    p.eng.Timer7Timer();
    EXPECT_FALSE(p.play.moji_l2a.transparent());
    EXPECT_EQ(p.play.moji_l2.background(), (base::Colour{128, 0, 255}));
    EXPECT_EQ(p.play.moji_l2.font().colour, base::colours::White);
    p.eng.setPhase(engine::PlayPhase::InPlay);
    p.eng.Timer7Timer();
    EXPECT_TRUE(p.play.moji_l2.transparent());
    EXPECT_EQ(p.play.moji_l2a.font().colour, base::colours::Fuchsia);
}

TEST(Timers, RunOnVirtualTimeThroughTheForm) {
    Play p;
    p.play.beginStage(BlockGrid{});
    p.set(3, 3, Wall);
    p.set(1, 1, White);
    p.platform.start(p.play.form);
    p.play.serveFrom(5);
    p.platform.advance(3000);
    EXPECT_EQ(p.my.timeLeft, 497);
    EXPECT_FALSE(p.platform.dialogs.errors.empty());  // the beat pictures are missing in this folder
}

}  // namespace

// Each timer rests while its tick could change nothing, and ticks again, on its old beat, as soon as it
// could: a change made anywhere is seen at the timer's next due tick.
TEST(Resting, TimersTickOnlyWhileTheirTicksHaveWork) {
    Play p;
    p.eng.setPhase(PlayPhase::StartPanel);
    p.platform.start(p.play.form);
    p.platform.advance(2000);
    enginetest::TickCounter ticks(p.play.form);
    p.platform.advance(10'000);
    EXPECT_EQ(ticks.all(), 0);

    p.my.score = 1234;  // outside any handler
    p.platform.advance(10);
    EXPECT_EQ(ticks.of("Timer2"), 1);
    EXPECT_EQ(p.play.point_l.caption(), PlayEngine::scoreText(1234));
    p.platform.advance(1000);
    EXPECT_EQ(ticks.of("Timer2"), 2);  // one more, as the first changed a caption

    // A banner shown while no ball runs is counted to its sixth second, then the countdown rests too.
    ticks.reset();
    p.play.moji_l2.setCaption("CLEAR!!!");
    p.platform.advance(10'000);
    EXPECT_EQ(ticks.of("Timer5"), 6);
    EXPECT_EQ(ticks.of("Timer7"), 1);  // coloured once
    EXPECT_EQ(p.play.moji_l3.caption(), "CLEAR!!!");

    // In play the countdown ticks on its old one-second beat, and the banner goes at its first tick.
    ticks.reset();
    p.set(1, 1, Hard8);  // a block left, away from the ball
    p.ballAt(5, 19, 0, -1);
    p.play.Timer1.start();
    p.platform.advance(990);  // to 24000, a whole second of the beat
    EXPECT_EQ(ticks.of("Timer5"), 1);
    EXPECT_GE(ticks.of("Timer4"), 6);
    EXPECT_EQ(p.play.moji_l2.caption(), "");
    // A ball tick that hits nothing moves the ball alone, which the status tick does not read: it stays
    // resting but after what the combo's blink shows.
    p.platform.advance(20);  // past the bounce off the top
    ticks.reset();
    p.platform.advance(380);
    EXPECT_EQ(ticks.of("Timer1"), 6);
    EXPECT_EQ(ticks.of("Timer2"), ticks.of("Timer4"));
}
