// What the status tick shows on the window's controls: the status texts, gauges, colours, course buttons,
// the score bracket, badges and toys, each caption rebuilt only when what it shows changed.
#pragma once

#include <cstdint>
#include <string>

#include "engine/CachedCaption.h"
#include "engine/PlayActions.h"

namespace engine {

class StatusView {
  public:
    explicit StatusView(PlayActions& play) : play_(play) {}

    // l2: clear count and the two timers' intervals.
    void showDiagnostics();
    // The course buttons that the clear count and course 3 unlock.
    // The banner's lines into their shadows, while the banner holds text.
    void copyBannerToShadows();
    void showComboColour();
    void showMoney();
    void showCombo();
    // state_l: lives, mHP, "ステージ：stageShown/stageOf", the tick (and a practice pace), money and,
    // withMaxCombo, the combo records.
    void showStateBlock(std::int64_t stageShown, std::int64_t stageOf, bool withMaxCombo);
    void showGaugesAndScore();
    void showHighScore();
    void showTime();
    // What a screen reader tells of the field picture: the counted blocks left and the lives.
    void describeField();
    // stage_l: the course's name and the stage title (the game), or the stage title alone (the runner).
    void showCourseStage();
    void showUserStage();
    // lv_l with the score's bracket; the badges earned and the toys owned.
    void showBracketAndBadges();

  private:
    PlayActions& play_;
    CachedCaption<std::int32_t, int, int> diagnostics_;
    CachedCaption<std::int32_t> gold_, combo_, point_, high_, time_, bracket_;
    // hp, maxHp, mhp, the two stage numbers, Timer1's interval, the pace, effectTicks, money, maxCombo,
    // hiMaxCombo.
    CachedCaption<std::int64_t, std::int64_t, std::int64_t, std::int64_t, std::int64_t, std::int64_t, int,
                  std::int64_t, std::int64_t, std::int64_t, std::int64_t>
        stateBlock_;
    CachedCaption<std::uint8_t, std::string> stageLine_;
    std::int64_t describedBlocks_ = -1, describedHp_ = -1;  // as the field's description tells them
};

}  // namespace engine
