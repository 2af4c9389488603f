// The status texts and marks of a play window, from the game state.
#include "engine/StatusView.h"

#include <array>

#include "base/Translation.h"
#include "engine/ControlAccess.h"
#include "engine/GameConstants.h"
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
    const char* text;   // translated when shown
};
// Highest first; below 10,000 the label is empty.
constexpr std::array<Bracket, 9> kBrackets{{
    {kScoreCap, QT_TRANSLATE_NOOP("Status", "20億点制覇!【来た、時の最果て、ここは宇宙の最後だ、ぎゃああ】")},
    {1'000'000'000, QT_TRANSLATE_NOOP("Status", "10億点達成!【帰ろう････生命と水の星、大地へ！】")},
    {100'000'000,
     QT_TRANSLATE_NOOP("Status", "１億点達成!【どこまでも続く闇。思い出そう、闇に瞬く光、命だ】")},
    {10'000'000, QT_TRANSLATE_NOOP("Status", "1000万点達成!【いつか立とう、あの母なる星の緑の丘に。】")},
    {1'000'000, QT_TRANSLATE_NOOP("Status", "100万点達成!【いつか立とう、あの母なる星の緑の丘に。】")},
    {500'000, QT_TRANSLATE_NOOP("Status", "50万点達成!【あの遠く見える青い星････あれが地球だと知っている】")},
    {100'000, QT_TRANSLATE_NOOP("Status", "10万点達成!【この小さな星の裏側は凍てつき誰も地上に出られない】")},
    {50'000, QT_TRANSLATE_NOOP("Status", "50000点達成!【高く気高い山。そこがあやつらの降り立った地だ】")},
    {10'000, QT_TRANSLATE_NOOP("Status", "10000点達成!【このクレーターを『はじまるむ湖』と名づけよう】")},
}};

int bracketOf(std::int32_t score) {
    for (std::size_t i = 0; i < kBrackets.size(); ++i)
        if (score >= kBrackets[i].from) return static_cast<int>(i);
    return -1;
}

void setFontColour(ui::Label* l, base::Colour c) {
    if (l && l->font().colour != c) l->setFontColour(c);
}

}  // namespace

void StatusView::showDiagnostics() {
    const PlayControls& c = play_.controls();
    const tmy& my = play_.state().my;
    const int tick1 = intervalOf(c.Timer1), tick5 = intervalOf(c.Timer5);
    diagnostics_.update(
        c.l2,
        [&] {
            return base::fillIn(base::translate("Status", "クリア回数%1 処理速度%2 タイマー速度%3"),
                                to_string(my.clearCount), to_string(tick1), to_string(tick5));
        },
        my.clearCount, tick1, tick5);
}

void StatusView::copyBannerToShadows() {
    const PlayControls& c = play_.controls();
    if (captionEmpty(c.moji_l2)) return;
    setCaption(c.moji_l3, c.moji_l2->caption());
    setCaption(c.moji_l3a, captionOf(c.moji_l2a));
}

void StatusView::showComboColour() {
    const GameState& s = play_.state();
    ui::Label* label = play_.controls().combo_l;
    const std::int32_t combo = s.my.combo;
    const std::size_t phase = static_cast<std::size_t>(s.colourPhase >= 0 ? s.colourPhase % 6 : 0);
    if (combo < kComboCycleFrom)
        setFontColour(label, base::colours::Yellow);
    else if (combo < 100)
        setFontColour(label, phase % 2 == 0 ? base::colours::Yellow : base::colours::Lime);
    else if (combo < 100'000)
        setFontColour(label, kComboCycle[phase]);
}

void StatusView::showMoney() {
    const tmy& my = play_.state().my;
    gold_.update(
        play_.controls().gold_l,
        [&] { return base::fillIn(base::translate("Status", "%1 moon円"), base::shownNumber(my.money)); },
        my.money);
}

void StatusView::showCombo() {
    const tmy& my = play_.state().my;
    combo_.update(
        play_.controls().combo_l,
        [&] { return base::fillIn(base::translate("Status", "%1 combo"), base::shownNumber(my.combo)); },
        my.combo);
}

void StatusView::showStateBlock(std::int64_t stageShown, std::int64_t stageOf, bool withMaxCombo) {
    const GameState& s = play_.state();
    const PlayControls& c = play_.controls();
    const tmy& my = s.my;
    const int tick1 = intervalOf(c.Timer1), pace = play_.rules().pacePercent;
    const std::int64_t maxCombo = withMaxCombo ? my.maxCombo : 0,
                       hiMaxCombo = withMaxCombo ? my.hiMaxCombo : 0;
    stateBlock_.update(
        c.state_l,
        [&] {
            std::string text = base::fillIn(base::translate("Status", "HP:%1/%2 mHP:%3/50"), to_string(my.hp),
                                            to_string(my.maxHp), to_string(my.mhp));
            text += std::string(kCR) + kCR + kCR +
                    base::fillIn(base::translate("Status", "ステージ：%1/%2"), to_string(stageShown),
                                 to_string(stageOf));
            text += std::string(kCR) + base::fillIn(base::translate("Status", "スピード:%1 (変化時間:%2)"),
                                                    to_string(tick1), to_string(s.effectTicks));
            if (pace != 100) text += " " + to_string(pace) + "%";  // the runner's practice pace
            text += std::string(kCR) + kCR +
                    base::fillIn(base::translate("Status", "▼お金: %1 moon円"), base::shownNumber(my.money));
            if (withMaxCombo)
                text += std::string(kCR) + base::fillIn(base::translate("Status", "MAXCOMBO:%1(HI:%2)"),
                                                        base::shownNumber(maxCombo),
                                                        base::shownNumber(hiMaxCombo));
            return text;
        },
        my.hp, my.maxHp, my.mhp, stageShown, stageOf, tick1, pace, s.effectTicks, my.money, maxCombo,
        hiMaxCombo);
}

void StatusView::showGaugesAndScore() {
    const PlayControls& c = play_.controls();
    const tmy& my = play_.state().my;
    if (c.hp_l) c.hp_l->setProgress(my.hp);
    if (c.mp_l) c.mp_l->setProgress(my.mhp);
    point_.update(
        c.point_l, [&] { return shownScore(my.score); }, my.score);
}

void StatusView::showHighScore() {
    const tmy& my = play_.state().my;
    high_.update(
        play_.controls().high_l, [&] { return shownScore(my.hiScore); }, my.hiScore);
}

void StatusView::showTime() {
    const tmy& my = play_.state().my;
    time_.update(
        play_.controls().time_l,
        [&] {
            return base::fillIn(base::translate("Status", "残時間:%1光年"), base::shownNumber(my.timeLeft));
        },
        my.timeLeft);
}

void StatusView::describeField() {
    ui::Image* field = play_.controls().main_box;
    if (!field) return;
    const GameState& s = play_.state();
    std::int64_t blocks = 0;
    for (int c = 1; c <= kFieldCols; ++c)
        for (int r = 1; r <= kFieldRows; ++r) blocks += isCounted(s.blockGrid.at(c, r)) ? 1 : 0;
    if (blocks == describedBlocks_ && s.my.hp == describedHp_) return;
    describedBlocks_ = blocks;
    describedHp_ = s.my.hp;
    field->setAccessibleDescription(base::fillIn(base::translate("Status", "残りブロック %1、HP %2"),
                                                 base::shownNumber(blocks), base::shownNumber(s.my.hp)));
}

void StatusView::showCourseStage() {
    const GameState& s = play_.state();
    stageLine_.update(
        play_.controls().stage_l,
        [&] {
            const char* course = s.courseNo < kCourseStatusNames.size() ? kCourseStatusNames[s.courseNo] : "";
            return "<" + base::translateData("Courses", course) + ">" + kCR +
                   base::fillIn(base::translate("Status", "『%1』"), s.stageTitle);
        },
        s.courseNo, s.stageTitle);
}

void StatusView::showUserStage() {
    const GameState& s = play_.state();
    stageLine_.update(
        play_.controls().stage_l,
        [&] {
            return base::translate("Status", "this stage`s name>") + kCR +
                   base::fillIn(base::translate("Status", "『%1』"), s.stageTitle);
        },
        s.courseNo, s.stageTitle);
}

void StatusView::showBracketAndBadges() {
    const PlayControls& c = play_.controls();
    const tmy& my = play_.state().my;
    const int bracket = bracketOf(my.score);
    bracket_.update(
        c.lv_l,
        [&] { return bracket < 0 ? std::string() : base::translateData("Status", kBrackets[bracket].text); },
        bracket);
    const std::int32_t badges[3] = {my.badgeCombo, my.badgeTime, my.badgeHp};
    for (int i = 0; i < 3; ++i)
        if (badges[i] == 1) setShown(c.badges[i], true);
    for (std::size_t k = 0; k < c.toyButtons.size(); ++k)
        if (my.toyOwned[k] == 1) setShown(c.toyButtons[k], true);
}

}  // namespace engine
