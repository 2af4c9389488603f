// The verdict line beside the author field: checked again after every kind of change, on its own thread,
// a change while a check runs dropping that check.
#include <chrono>
#include <thread>

#include "MakerFixture.h"
#include "engine/StageFile.h"
#include "maker/CheckReport.h"

namespace makertest {
namespace {

class MakerVerdictTest : public MakerTest {
  protected:
    // Lets virtual time run until the line shows a verdict (the search runs on real time meanwhile).
    std::string verdict() {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::minutes(2);
        while (w.verdict_l.caption() == maker::kVerdictChecking &&
               std::chrono::steady_clock::now() < giveUp) {
            platform.advance(maker::kCheckPollMs);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        EXPECT_FALSE(w.verdictTimer.enabled()) << "the poll stops with the verdict";
        return w.verdict_l.caption();
    }
    bool clearable(const std::string& line) { return line.rfind(maker::kVerdictCleared, 0) == 0; }
    // A white block at column 5, row 3, straight above the serve.
    void paintOneBlock() {
        w.List_box.setItemIndex(engine::White);
        paintAt(4 * engine::kCellWidth + 5, 2 * engine::kCellHeight + 5);
    }
};

TEST_F(MakerVerdictTest, ABlankFieldHasNothingToClear) {
    EXPECT_EQ(verdict(), maker::kVerdictNothing);
}

TEST_F(MakerVerdictTest, EveryKindOfChangeIsCheckedAgain) {
    EXPECT_EQ(verdict(), maker::kVerdictNothing);

    paintOneBlock();  // a stroke
    EXPECT_EQ(w.verdict_l.caption(), maker::kVerdictChecking) << "the line says so at once";
    const std::string one = verdict();
    EXPECT_EQ(one, "クリア可：時間0・ライフ0");

    click(w.flipRows_b);  // a transform: the block goes to row 18, where the bar writes over it
    EXPECT_EQ(w.verdict_l.caption(), maker::kVerdictChecking);
    EXPECT_EQ(verdict(), maker::kVerdictNothing);

    click(w.undo_b);  // undo
    EXPECT_EQ(verdict(), one);

    platform.dialogs.confirmAnswers.push_back(true);
    click(w.BitBtn2);  // clear
    EXPECT_EQ(verdict(), maker::kVerdictNothing);

    // A load: a block walled in on three sides, which only an explosion opens.
    engine::BlockGrid walled;
    for (int c : {4, 6}) walled.set(c, 1, engine::Wall);
    for (int c = 4; c <= 6; ++c) walled.set(c, 2, engine::Wall);
    walled.set(5, 1, engine::White);
    engine::saveStageFile(dat("walled.usr").string(), walled, "walled", "tester");
    load(dat("walled.usr"));
    const std::string line = verdict();
    EXPECT_TRUE(clearable(line)) << line;
    EXPECT_NE(line.find("ライフ1"), std::string::npos) << line;
    EXPECT_TRUE(platform.dialogs.messages.empty()) << "the line shows no message box";
}

TEST_F(MakerVerdictTest, TypingATitleDoesNotCheckAgain) {
    verdict();
    platform.handle([&] {
        w.name_l.setText("なまえ");
        w.name_l.onChange();
    });
    EXPECT_FALSE(w.verdictTimer.enabled());
}

TEST_F(MakerVerdictTest, ANewStrokeDropsTheRunningCheck) {
    verdict();
    // Twelve rows of the hardest blocks: a long search.
    engine::BlockGrid hard;
    for (int c = 1; c <= engine::kFieldCols; ++c)
        for (int r = 1; r <= 12; ++r) hard.set(c, r, engine::Hard8);
    engine::saveStageFile(dat("hard.usr").string(), hard, "hard", "tester");
    load(dat("hard.usr"));
    EXPECT_EQ(w.verdict_l.caption(), maker::kVerdictChecking);
    paintOneBlock();  // while that search runs
    EXPECT_EQ(w.verdict_l.caption(), maker::kVerdictChecking);
    const auto begun = std::chrono::steady_clock::now();
    platform.dialogs.confirmAnswers.push_back(true);
    click(w.BitBtn2);  // and a clear: the line must speak of the empty field
    EXPECT_EQ(verdict(), maker::kVerdictNothing);
    EXPECT_LT(std::chrono::steady_clock::now() - begun, std::chrono::seconds(20));
    EXPECT_EQ(w.liveCheckDropped(), 2) << "the load's and the stroke's checks were stopped";
}

}  // namespace
}  // namespace makertest
