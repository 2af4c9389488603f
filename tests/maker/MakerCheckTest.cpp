// The check: the field played by the solver off the window's thread, and the verdict's wording.
#include <chrono>
#include <thread>

#include "MakerFixture.h"
#include "maker/CheckReport.h"

namespace makertest {
namespace {

using maker::checkMessage;
using maker::CheckResult;

class MakerCheckTest : public MakerTest {
  protected:
    // Lets virtual time run until the verdict is shown (the search runs on real time meanwhile).
    void waitForVerdict() {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::minutes(2);
        while (platform.dialogs.messages.empty() && std::chrono::steady_clock::now() < giveUp) {
            platform.advance(maker::kCheckPollMs);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ASSERT_EQ(platform.dialogs.messages.size(), 1u);
    }
};

TEST_F(MakerCheckTest, AStageThatCanBeClearedSaysSoWithTimeAndLives) {
    w.blockGrid.set(5, 3, engine::White);  // above the serve
    w.blockGrid.set(5, 3 + 1, 0);
    platform.key(w.form, {'T', true, false, false, false});
    EXPECT_FALSE(w.check_b.enabled()) << "one check at a time";
    waitForVerdict();
    const std::string& m = platform.dialogs.messages[0];
    EXPECT_EQ(m.rfind(maker::kCheckCleared, 0), 0u) << m;
    EXPECT_NE(m.find("使った時間："), std::string::npos) << m;
    EXPECT_NE(m.find("失ったライフ：0"), std::string::npos) << m;
    EXPECT_TRUE(w.check_b.enabled());
    EXPECT_FALSE(w.checkTimer.enabled());
    EXPECT_EQ(w.blockGrid.at(5, 3), engine::White) << "the check plays a copy";
}

// No hit breaks it, but an explosion beside the ball does, for a life.
TEST_F(MakerCheckTest, ABlockNothingBreaksIsBlastedAwayForALife) {
    w.blockGrid.set(3, 2, 30);
    click(w.check_b);
    click(w.check_b);  // pressed again while it runs: ignored
    waitForVerdict();
    const std::string& m = platform.dialogs.messages[0];
    EXPECT_EQ(m.rfind(maker::kCheckCleared, 0), 0u) << m;
    EXPECT_NE(m.find("失ったライフ：1"), std::string::npos) << m;
    EXPECT_NE(m.find("試した操作：サーブ・バー移動・右クリック・左クリック爆発"), std::string::npos) << m;
}

TEST_F(MakerCheckTest, AnEmptyFieldHasNothingToClear) {
    click(w.check_b);
    waitForVerdict();
    EXPECT_EQ(platform.dialogs.messages[0], maker::kCheckNothingToClear);
}

// Closing while a long search runs does not wait for its end.
TEST(MakerCheckStopTest, AWindowClosedDuringACheckStopsIt) {
    ScratchDir dir;
    ui::HeadlessPlatform platform{dir.path.string() + "/"};
    const auto begun = std::chrono::steady_clock::now();
    {
        maker::TForm1 w{platform.services()};
        platform.start(w.form);
        for (int c = 1; c <= engine::kFieldCols; ++c)
            for (int r = 1; r <= 12; ++r) w.blockGrid.set(c, r, engine::Hard8);
        platform.handle(w.check_b.onClick);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_LT(std::chrono::steady_clock::now() - begun, std::chrono::seconds(30));
    EXPECT_TRUE(platform.dialogs.messages.empty());
}

solver::StagePlay play(solver::Phase end, std::int32_t timeUsed, std::int32_t lives, std::int32_t left,
                       bool cut) {
    solver::StagePlay play;
    play.end = end;
    play.ticks = 100;
    play.timeUsed = timeUsed;
    play.livesLost = lives;
    play.blocksLeft = left;
    play.searchCut = cut;
    play.turnsTried = true;
    return play;
}

TEST(CheckReportTest, TheVerdictNamesWhyAStageWasNotCleared) {
    using solver::Phase;
    struct Row {
        solver::StagePlay play;
        std::string expected;
    };
    const std::string start =
        "\n（残時間500・ライフ10から始めて調べました）\n試した操作：サーブ・バー移動・右クリック";
    for (const Row& r : {
             Row{play(Phase::Cleared, 22, 1, 0, false),
                 "このステージはクリアできます。\n使った時間：22　失ったライフ：1" + start},
             Row{play(Phase::GameOver, 500, 2, 7, false),
                 "このステージはクリアできませんでした。（時間切れ）\n残りブロック：7\n使った時間：500　失っ"
                 "たライフ：2" +
                     start},
             Row{play(Phase::GameOver, 120, 10, 3, false),
                 "このステージはクリアできませんでした。（ライフ切れ）\n残りブロック：3\n使った時間：120　失"
                 "ったライフ：10" +
                     start},
             Row{play(Phase::InPlay, 300, 0, 4, true),
                 "このステージはクリアできませんでした。（調べきれないので途中で打ち切りました）\n残りブロッ"
                 "ク：4\n"
                 "使った時間：300　失ったライフ：0" +
                     start},
             Row{play(Phase::Waiting, 0, 0, 1, false),
                 "このステージはクリアできませんでした。（これ以上ブロックを消せません）\n残りブロック：1\n"
                 "使った時間：0　失ったライフ：0" +
                     start},
         })
        EXPECT_EQ(checkMessage({r.play, {}}), r.expected);
    EXPECT_EQ(checkMessage({{}, "bad_alloc"}), "調べられませんでした：bad_alloc");
    solver::StagePlay all = play(Phase::Cleared, 30, 2, 0, false);
    all.explosionsTried = true;
    EXPECT_NE(checkMessage({all, {}}).find("\n試した操作：サーブ・バー移動・右クリック・左クリック爆発"),
              std::string::npos);
}

TEST(CheckReportTest, TheLineUnderTheFieldIsShort) {
    using solver::Phase;
    EXPECT_EQ(maker::verdictLine({play(Phase::Cleared, 22, 1, 0, false), {}}), "クリア可：時間22・ライフ1");
    EXPECT_EQ(maker::verdictLine({play(Phase::GameOver, 500, 2, 7, false), {}}),
              "探索でクリアできず（時間切れ）");
    EXPECT_EQ(maker::verdictLine({play(Phase::GameOver, 120, 10, 3, false), {}}),
              "探索でクリアできず（ライフ切れ）");
    EXPECT_EQ(maker::verdictLine({play(Phase::InPlay, 300, 0, 4, true), {}}),
              "探索でクリアできず（打ち切り）");
    EXPECT_EQ(maker::verdictLine({play(Phase::Waiting, 0, 0, 1, false), {}}),
              "探索でクリアできず（手詰まり）");
    solver::StagePlay nothing = play(Phase::Cleared, 0, 0, 0, false);
    nothing.ticks = 0;
    EXPECT_EQ(maker::verdictLine({nothing, {}}), maker::kVerdictNothing);
    EXPECT_EQ(maker::verdictLine({{}, "bad_alloc"}), maker::kVerdictFailed);
}

}  // namespace
}  // namespace makertest
