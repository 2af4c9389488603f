// The status tick: every status text from the game state, records and bounds, and the end of a stage.
#include <array>

#include "engine/ControlAccess.h"
#include "engine/PlayEngine.h"
#include "engine/Saturating.h"
#include "engine/ScoreText.h"

namespace engine {
namespace {

using std::to_string;

constexpr const char* kCR = "\r";  // labels break lines at a lone carriage return

constexpr std::array<base::Colour, 6> kComboCycle{base::colours::Yellow,  base::colours::White,
                                                  base::colours::Fuchsia, base::colours::Blue,
                                                  base::colours::Aqua,    base::colours::Lime};

struct Bracket {
    std::int32_t from;  // lowest score of the bracket
    const char* text;
};
// Highest first; below 10,000 the label is empty.
constexpr std::array<Bracket, 9> kBrackets{{
    {kScoreCap, "20億点制覇!【来た、時の最果て、ここは宇宙の最後だ、ぎゃああ】"},
    {1'000'000'000, "10億点達成!【帰ろう････生命と水の星、大地へ！】"},
    {100'000'000, "１億点達成!【どこまでも続く闇。思い出そう、闇に瞬く光、命だ】"},
    {10'000'000, "1000万点達成!【いつか立とう、あの母なる星の緑の丘に。】"},
    {1'000'000, "100万点達成!【いつか立とう、あの母なる星の緑の丘に。】"},
    {500'000, "50万点達成!【あの遠く見える青い星････あれが地球だと知っている】"},
    {100'000, "10万点達成!【この小さな星の裏側は凍てつき誰も地上に出られない】"},
    {50'000, "50000点達成!【高く気高い山。そこがあやつらの降り立った地だ】"},
    {10'000, "10000点達成!【このクレーターを『はじまるむ湖』と名づけよう】"},
}};

int bracketOf(std::int32_t score) {
    for (std::size_t i = 0; i < kBrackets.size(); ++i)
        if (score >= kBrackets[i].from) return static_cast<int>(i);
    return -1;
}

constexpr int kStoreAfterStages = 5;             // the toy shop opens once more stages than this are cleared
constexpr int kGiftBase = 60, kGiftSpread = 15;  // time present 60..74
constexpr std::int32_t kBonusFromTime = 100;     // a CLEAR with this much time left pays a bonus

void setFontColour(ui::Label* l, base::Colour c) {
    if (l && l->font().colour != c) l->setFontColour(c);
}

}  // namespace

void PlayEngine::Timer2Timer() {
    if (rules_.status == StatusKind::Game)
        gameStatusTick();
    else
        runnerStatusTick();
}

void PlayEngine::gameStatusTick() {
    tmy& my = s_.my;
    const int tick1 = intervalOf(c_.Timer1), tick5 = intervalOf(c_.Timer5);
    diagnostics_.update(
        c_.l2,
        [&] {
            return "クリア回数" + to_string(my.clearCount) + " 処理速度" + to_string(tick1) +
                   " タイマー速度" + to_string(tick5);
        },
        my.clearCount, tick1, tick5);
    showCourseButtons();
    copyBannerToShadows();
    showComboColour();
    gold_.update(
        c_.gold_l, [&] { return to_string(my.money) + " moon円"; }, my.money);
    combo_.update(
        c_.combo_l, [&] { return to_string(my.combo) + " combo"; }, my.combo);
    showStateBlock(static_cast<std::int64_t>(my.stageNo) + 1, static_cast<std::int64_t>(s_.lastStageNo) + 1,
                   true);
    showGaugesAndScore();
    clampRecords();
    high_.update(
        c_.high_l, [&] { return engine::scoreText(my.hiScore); }, my.hiScore);
    showTime();
    stageLine_.update(
        c_.stage_l,
        [&] {
            const char* course =
                s_.courseNo < kCourseStatusNames.size() ? kCourseStatusNames[s_.courseNo] : "";
            return "<" + std::string(course) + ">" + kCR + "『" + s_.stageTitle + "』";
        },
        s_.courseNo, s_.stageTitle);

    if (my.hp <= 0 && !shown(c_.start_box)) {
        stop(c_.Timer1);
        setCaption(c_.moji_l2, "GAME OVER!!!");
        my.combo = 1;
        setShown(c_.try_b, false);
        my.hp = 10;
        setShown(c_.end_b, true);
        return;
    }
    // After GAME OVER (the end button shows) the field no longer counts, even when its last block went with
    // the last life.
    if (!fieldHasCountedBlocks() && !shown(c_.ok_b) && !shown(c_.try_b) && !shown(c_.start_box) &&
        !shown(c_.end_b)) {
        if (stageCleared()) return;
    }
    showBracketAndBadges();
    if (s_.courseNo <= kCourseCount) s_.lastStageNo = lastStageOf(s_.courseNo);
}

void PlayEngine::runnerStatusTick() {
    tmy& my = s_.my;
    copyBannerToShadows();
    combo_.update(
        c_.combo_l, [&] { return to_string(my.combo) + " combo"; }, my.combo);
    showStateBlock(my.stageNo, my.stagesCleared, false);
    showGaugesAndScore();
    if (my.timeLeft >= kTimeCap) my.timeLeft = kTimeCap;
    fillHpFromMhp();
    if (my.score >= kScoreCap) my.score = kScoreCap;
    if (my.money > kMoneyCap) my.money = kMoneyCap;
    showTime();
    stageLine_.update(
        c_.stage_l, [&] { return std::string("this stage`s name>") + kCR + "『" + s_.stageTitle + "』"; },
        s_.courseNo, s_.stageTitle);

    if (my.hp <= 0) {
        stop(c_.Timer1);
        setCaption(c_.moji_l2, "GAME OVER!!!");
        my.score = 0;
        my.combo = 1;
        setShown(c_.try_b, false);
        my.hp = 10;
        return;
    }
    if (!fieldHasCountedBlocks() && ballInPlay()) {
        stop(c_.Timer2);
        stop(c_.Timer1);
        drawBlocks();
        drawBall();
        setShown(c_.play_l, false);
        playSound0("9.wav");
        setCaption(c_.moji_l2, "CLEAR!!!");
    }
}

void PlayEngine::copyBannerToShadows() {
    if (captionEmpty(c_.moji_l2)) return;
    setCaption(c_.moji_l3, c_.moji_l2->caption());
    setCaption(c_.moji_l3a, captionOf(c_.moji_l2a));
}

void PlayEngine::showStateBlock(std::int64_t stageShown, std::int64_t stageOf, bool withMaxCombo) {
    const tmy& my = s_.my;
    const int tick1 = intervalOf(c_.Timer1);
    const std::int64_t maxCombo = withMaxCombo ? my.maxCombo : 0,
                       hiMaxCombo = withMaxCombo ? my.hiMaxCombo : 0;
    stateBlock_.update(
        c_.state_l,
        [&] {
            std::string text =
                "HP:" + to_string(my.hp) + "/" + to_string(my.maxHp) + " mHP:" + to_string(my.mhp) + "/50";
            text += std::string(kCR) + kCR + kCR + "ステージ：" + to_string(stageShown) + "/" +
                    to_string(stageOf);
            text += std::string(kCR) + "スピード:" + to_string(tick1) +
                    " (変化時間:" + to_string(s_.effectTicks) + ")";
            text += std::string(kCR) + kCR + "▼お金: " + to_string(my.money) + " moon円";
            if (withMaxCombo)
                text += std::string(kCR) + "MAXCOMBO:" + to_string(maxCombo) +
                        "(HI:" + to_string(hiMaxCombo) + ")";
            return text;
        },
        my.hp, my.maxHp, my.mhp, stageShown, stageOf, tick1, s_.effectTicks, my.money, maxCombo, hiMaxCombo);
}

void PlayEngine::showGaugesAndScore() {
    if (c_.hp_l) c_.hp_l->setProgress(s_.my.hp);
    if (c_.mp_l) c_.mp_l->setProgress(s_.my.mhp);
    point_.update(
        c_.point_l, [&] { return engine::scoreText(s_.my.score); }, s_.my.score);
}

void PlayEngine::showTime() {
    time_.update(
        c_.time_l, [&] { return "残時間:" + to_string(s_.my.timeLeft) + "光年"; }, s_.my.timeLeft);
}

void PlayEngine::fillHpFromMhp() {
    tmy& my = s_.my;
    if (my.mhp < kMhpFull) return;
    playSound1("1.wav");
    my.mhp = 0;
    log(" 【mHP full! > HP +1】");
    addSat(my.hp, 1);  // not limited by maxHp
}

bool PlayEngine::fieldHasCountedBlocks() const {
    for (int c = 1; c <= kFieldCols; ++c)
        for (int r = 1; r <= kFieldRows; ++r)
            if (isCounted(s_.blockGrid.at(c, r))) return true;
    return false;
}

void PlayEngine::showComboColour() {
    const std::int32_t combo = s_.my.combo;
    const std::size_t phase = static_cast<std::size_t>(s_.colourPhase >= 0 ? s_.colourPhase % 6 : 0);
    if (combo < 50)
        setFontColour(c_.combo_l, base::colours::Yellow);
    else if (combo < 100)
        setFontColour(c_.combo_l, phase % 2 == 0 ? base::colours::Yellow : base::colours::Lime);
    else if (combo < 100'000)
        setFontColour(c_.combo_l, kComboCycle[phase]);
}

void PlayEngine::showCourseButtons() {
    if (showCourses) showCourses();
}

void PlayEngine::clampRecords() {
    tmy& my = s_.my;
    if (my.score > my.hiScore) my.hiScore = my.score;
    if (my.combo >= kComboCap) my.combo = kComboCap;
    if (my.combo > my.maxCombo) my.maxCombo = my.combo;
    if (my.maxCombo > my.hiMaxCombo) my.hiMaxCombo = my.maxCombo;
    if (my.stageNo > s_.lastStageNo) my.stageNo = s_.lastStageNo;
    if (my.stagesCleared > s_.lastStageNo) my.stagesCleared = s_.lastStageNo;
    if (my.timeLeft >= kTimeCap) my.timeLeft = kTimeCap;
    fillHpFromMhp();
    if (my.money > kMoneyCap) my.money = kMoneyCap;
}

bool PlayEngine::stageCleared() {
    tmy& my = s_.my;
    stop(c_.Timer1);
    drawBlocks();
    drawBall();
    setShown(c_.ok_b, true);
    setShown(c_.play_l, false);
    setShown(c_.help_b, true);
    if (my.stagesCleared > kStoreAfterStages) setShown(c_.store_b, true);

    playSound0("9.wav");
    if (my.stageNo >= s_.lastStageNo) {
        setCaption(c_.moji_l2, "ALL CLEAR!");
        stop(c_.Timer2);
        setShown(c_.ok_b, false);
        setCaption(c_.moji_l2a, "");
        addSat(my.clearCount, 1);
        if (s_.courseNo == 3) my.course3Cleared = 1;
        if (my.clearCount > kClearCountCap) my.clearCount = kClearCountCap;
        // The end button must come even when the progress file cannot be written, or the run could not end.
        try {
            if (saveCommonData) saveCommonData();
        } catch (...) {
            setShown(c_.end_b, true);
            throw;
        }
        setShown(c_.end_b, true);
        return true;
    }
    setCaption(c_.moji_l2, "CLEAR!!!");
    const std::int32_t gift = kGiftBase + services_.random.next(kGiftSpread);
    setCaption(c_.moji_l2a, "time present +" + to_string(gift) + "光年");
    if (my.timeLeft >= kBonusFromTime) {
        log(" 【Time bonus】→");
        addPoints(clampToInt32((static_cast<std::int64_t>(my.timeLeft) - 99) * 100));
    }
    s_.timePresent = gift;
    if (static_cast<std::int64_t>(my.stageNo) + 1 > my.stagesCleared) my.stagesCleared = my.stageNo + 1;
    return false;
}

void PlayEngine::showBracketAndBadges() {
    tmy& my = s_.my;
    const int bracket = bracketOf(my.score);
    bracket_.update(
        c_.lv_l, [&] { return bracket < 0 ? std::string() : std::string(kBrackets[bracket].text); }, bracket);
    const bool earned[3] = {my.hiMaxCombo >= 999 || my.badgeCombo == 1,
                            my.timeLeft >= 999 || my.badgeTime == 1, my.hp >= 99 || my.badgeHp == 1};
    std::int32_t* badges[3] = {&my.badgeCombo, &my.badgeTime, &my.badgeHp};
    for (int i = 0; i < 3; ++i) {
        if (!earned[i]) continue;
        *badges[i] = 1;
        setShown(c_.badges[i], true);
    }
    for (std::size_t k = 0; k < c_.toyButtons.size(); ++k)
        if (my.toyOwned[k] == 1) setShown(c_.toyButtons[k], true);
}

}  // namespace engine
