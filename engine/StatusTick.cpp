// The status tick: records and bounds of the game state, the status view, and the end of a stage.
#include "engine/StatusTick.h"

#include <array>
#include <string>

#include "base/Translation.h"
#include "engine/ControlAccess.h"
#include "engine/GameConstants.h"
#include "engine/Saturating.h"
#include "engine/SoundFiles.h"

namespace engine {
namespace {

constexpr int kStoreAfterStages = 5;             // the toy shop opens once more stages than this are cleared
constexpr int kGiftBase = 60, kGiftSpread = 15;  // time present 60..74
constexpr std::int32_t kBonusFromTime = 100;     // a CLEAR with this much time left pays a bonus

}  // namespace

void StatusTick::run() {
    settled_.reset();  // an error ending the tick leaves it unsettled
    std::optional<StatusInputs> before;
    if (accounting_) before = StatusInputs::of(play_.state(), play_.controls());
    if (play_.rules().status == StatusKind::Game)
        gameTick();
    else
        runnerTick();
    if (before && StatusInputs::of(play_.state(), play_.controls()) == *before) settled_ = std::move(before);
}

void StatusTick::keepAccount(bool on) {
    accounting_ = on;
    settled_.reset();
}

bool StatusTick::nothingToDo() const {
    return settled_ && *settled_ == StatusInputs::of(play_.state(), play_.controls());
}

void StatusTick::gameTick() {
    GameState& s = play_.state();
    tmy& my = s.my;
    view_.showDiagnostics();
    if (showCourses_) showCourses_();
    view_.copyBannerToShadows();
    view_.showComboColour();
    view_.showMoney();
    view_.showCombo();
    view_.showStateBlock(static_cast<std::int64_t>(my.stageNo) + 1,
                         static_cast<std::int64_t>(s.lastStageNo) + 1, true);
    view_.showGaugesAndScore();
    clampRecords();
    view_.showHighScore();
    view_.showTime();
    view_.describeField();
    view_.showCourseStage();

    if (my.hp <= 0 && play_.phase() != PlayPhase::StartPanel) {
        gameOver();
        return;
    }
    // Only a ball in play clears a stage: after GAME OVER the field no longer counts, even when its last
    // block went with the last life, whatever the player opens next.
    if (play_.ballInPlay() && !fieldHasCountedBlocks() && stageCleared()) return;
    earnBadges();
    view_.showBracketAndBadges();
    if (s.courseNo <= kCourseCount) s.lastStageNo = lastStageOf(s.courseNo);
}

void StatusTick::runnerTick() {
    PlayControls& c = play_.controls();
    tmy& my = play_.state().my;
    view_.copyBannerToShadows();
    view_.showCombo();
    view_.showStateBlock(my.stageNo, my.stagesCleared, false);
    view_.showGaugesAndScore();
    if (my.timeLeft >= kTimeCap) my.timeLeft = kTimeCap;
    fillHpFromMhp();
    if (my.score >= kScoreCap) my.score = kScoreCap;
    if (my.money > kMoneyCap) my.money = kMoneyCap;
    view_.showTime();
    view_.describeField();
    view_.showUserStage();

    if (my.hp <= 0) {
        gameOver();
        return;
    }
    if (!fieldHasCountedBlocks() && play_.ballInPlay()) {
        stop(c.Timer2);
        play_.setPhase(PlayPhase::StageCleared);
        play_.drawBlocks();
        play_.drawBall();
        setShown(c.play_l, false);
        play_.playSound0(sounds::kClear);
        setCaption(c.moji_l2, base::translate("Effects", "CLEAR!!!"));
    }
}

void StatusTick::gameOver() {
    PlayControls& c = play_.controls();
    tmy& my = play_.state().my;
    const bool ballRan = play_.ballInPlay();
    play_.setPhase(PlayPhase::GameOver);
    // The field as the last hit left it; a lost ball is gone from it.
    play_.drawBlocks();
    if (ballRan) play_.drawBall();
    setCaption(c.moji_l2, base::translate("Effects", "GAME OVER!!!"));
    if (play_.rules().gameOverZeroesScore) my.score = 0;
    my.combo = 1;
    my.hp = kFreshLives;  // the following ticks do not end the game again
}

void StatusTick::fillHpFromMhp() {
    tmy& my = play_.state().my;
    if (my.mhp < kMhpQuota) return;
    play_.playSound1(sounds::kItem);
    my.mhp = 0;
    play_.log(base::translate("Effects", " 【mHP full! > HP +1】"));
    addSat(my.hp, 1);  // not limited by maxHp
}

bool StatusTick::fieldHasCountedBlocks() const {
    const BlockGrid& grid = play_.state().blockGrid;
    for (int c = 1; c <= kFieldCols; ++c)
        for (int r = 1; r <= kFieldRows; ++r)
            if (isCounted(grid.at(c, r))) return true;
    return false;
}

void StatusTick::clampRecords() {
    GameState& s = play_.state();
    tmy& my = s.my;
    if (my.score > my.hiScore) my.hiScore = my.score;
    if (my.combo >= kComboCap) my.combo = kComboCap;
    if (my.combo > my.maxCombo) my.maxCombo = my.combo;
    if (my.maxCombo > my.hiMaxCombo) my.hiMaxCombo = my.maxCombo;
    if (my.stageNo > s.lastStageNo) my.stageNo = s.lastStageNo;
    if (my.stagesCleared > s.lastStageNo) my.stagesCleared = s.lastStageNo;
    if (my.timeLeft >= kTimeCap) my.timeLeft = kTimeCap;
    fillHpFromMhp();
    if (my.money > kMoneyCap) my.money = kMoneyCap;
}

bool StatusTick::stageCleared() {
    GameState& s = play_.state();
    PlayControls& c = play_.controls();
    tmy& my = s.my;
    play_.setPhase(PlayPhase::StageCleared);
    play_.drawBlocks();
    play_.drawBall();
    setShown(c.play_l, false);
    setShown(c.help_b, true);
    if (my.stagesCleared > kStoreAfterStages) setShown(c.store_b, true);

    play_.playSound0(sounds::kClear);
    if (my.stageNo >= s.lastStageNo) {
        setCaption(c.moji_l2, base::translate("Effects", "ALL CLEAR!"));
        stop(c.Timer2);
        // The end button comes before the progress file is written: a file that cannot be written must not
        // keep the run from ending.
        play_.setPhase(PlayPhase::AllClear);
        setCaption(c.moji_l2a, "");
        addSat(my.clearCount, 1);
        if (s.courseNo == 3) my.course3Cleared = 1;
        if (my.clearCount > kClearCountCap) my.clearCount = kClearCountCap;
        if (saveCommonData_) saveCommonData_();
        return true;
    }
    setCaption(c.moji_l2, base::translate("Effects", "CLEAR!!!"));
    const std::int32_t gift = kGiftBase + play_.services().random.next(kGiftSpread);
    setCaption(c.moji_l2a,
               base::fillIn(base::translate("Effects", "time present +%1光年"), base::shownNumber(gift)));
    if (my.timeLeft >= kBonusFromTime) {
        play_.log(base::translate("Effects", " 【Time bonus】→"));
        play_.addPoints(clampToInt32((static_cast<std::int64_t>(my.timeLeft) - 99) * 100));
    }
    s.timePresent = gift;
    if (static_cast<std::int64_t>(my.stageNo) + 1 > my.stagesCleared) my.stagesCleared = my.stageNo + 1;
    return false;
}

void StatusTick::earnBadges() {
    tmy& my = play_.state().my;
    const bool earned[3] = {my.hiMaxCombo >= 999 || my.badgeCombo == 1,
                            my.timeLeft >= 999 || my.badgeTime == 1, my.hp >= 99 || my.badgeHp == 1};
    std::int32_t* badges[3] = {&my.badgeCombo, &my.badgeTime, &my.badgeHp};
    for (int i = 0; i < 3; ++i)
        if (earned[i]) *badges[i] = 1;
}

}  // namespace engine
