// The values in which the game's engine and the user-stage player's differ; one engine serves both.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/BlockGrid.h"
#include "engine/StartRules.h"

namespace engine {

// Points and money of one hit of a block code.
struct HitAward {
    bool scores = false;     // whether the hit calls addPoints at all
    std::int32_t base = 0;   // points before the combo multiplies them (may be negative)
    std::int32_t money = 0;  // moon paid per hit
};

// Scrolling pace of the event log by its length in code page 932 bytes.
struct LogPace {
    int midBytes = 30;   // at least this long: midMs
    int fastBytes = 40;  // at least this long: fastMs
    int slowMs = 500;
    int midMs = 100;
    int fastMs = 10;
    int intervalFor(std::size_t bytes) const {
        if (bytes >= static_cast<std::size_t>(fastBytes)) return fastMs;
        if (bytes >= static_cast<std::size_t>(midBytes)) return midMs;
        return slowMs;
    }
};

enum class StatusKind {
    Game,  // the full status tick: records, badges, course buttons, CLEAR / ALL CLEAR / GAME OVER via buttons
    Runner,  // the user-stage player's shorter tick: no records, CLEAR stops the status tick
};

struct Rules {
    int ballTickMs = 56;  // ms per ball tick at the serve and after an effect ends
    int slowTickMs = 66;  // ms per ball tick while a slow block's effect lasts
    // The ball's pace in percent: the runner's practice paces (kPracticePaces) make every tick longer.
    int pacePercent = 100;
    bool lossAfterWalls = false;  // false: lost before the move from row 20; true: after the walls at row 22
    std::int32_t tickLossBase = 0;  // addPoints base when the ball tick takes a life (0: none)
    bool cappedPoints = true;       // addPoints caps at kScoreCap itself; otherwise the status tick clamps
    std::array<HitAward, kBlockCodeCount> awards{};  // by block code
    std::string allClearNote;                        // logged after the all-clear block's points
    std::string beatFrame1;  // play_l while usu2 shows; the beat alternates with beatFrame2
    std::string beatFrame2;  // play_l while usu1 shows; also set at the serve
    bool serveEmptiesBannerLine2 = true;
    bool endButtonBlocksClicks = true;  // no click acts while end_b is shown
    bool explosionOnlyInPlay = false;   // left-click explosion needs the ball in play
    bool gameOverZeroesScore = false;   // GAME OVER sets the score to 0
    LogPace logPace;
    bool bannerAgesOnlyInPlay = true;  // the banner is removed at its sixth second only while the ball runs
    bool colourBanner = true;          // Timer7 colours the banner
    StatusKind status = StatusKind::Game;
    StartRules start;

    static Rules game();
    static Rules runner();

    // Timer1's interval at the serve and after an effect ends, and while a slow block's effect lasts, at
    // the pace.
    int serveTick() const { return paced(ballTickMs); }
    int slowTick() const { return paced(slowTickMs); }
    int paced(int ms) const { return (ms * 100 + pacePercent / 2) / pacePercent; }
};

// The paces the runner offers for practice, in the order a key steps through them.
inline constexpr int kPracticePaces[] = {100, 75, 50};

inline constexpr std::int32_t kScoreCap = 2'000'000'000;
inline constexpr std::int32_t kComboCap = 999'999'999;
inline constexpr std::int32_t kMoneyCap = 99'999;
inline constexpr std::int32_t kTimeCap = 999;
inline constexpr std::int32_t kClearCountCap = 99;
inline constexpr int kSlowDownTickMs = 100;  // the speed_down button's ball tick
inline constexpr int kEffectSeconds = 20;    // slow ball and bar-size effects

}  // namespace engine
