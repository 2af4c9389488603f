// The routines every part of play shares: drawing, sounds, points, the log, lives, the bar and the steering
// rule.
#include "engine/PlayActions.h"

#include <algorithm>
#include <string>

#include "base/Translation.h"
#include "engine/ControlAccess.h"
#include "engine/FieldPainter.h"
#include "engine/PhaseView.h"
#include "engine/Saturating.h"
#include "engine/SoundFiles.h"

namespace engine {

PlayActions::PlayActions(GameState& state, PlayControls& controls, ui::Services& services, SoundSink& sound,
                         Rules rules)
    : s_(state), c_(controls), services_(services), sound_(sound), rules_(std::move(rules)) {}

void PlayActions::setPhase(PlayPhase phase) {
    s_.phase = phase;
    showPhase(c_, phase);
}

void PlayActions::setPatterns(bool on) {
    patterns_ = on;
    if (!waitsForServe(s_.phase)) return;
    drawBlocks();
    drawServeBall();
}

void PlayActions::setPace(int percent) {
    const int serve = rules_.serveTick(), slow = rules_.slowTick();
    rules_.pacePercent = percent;
    if (c_.Timer1 && c_.Timer1->interval() == serve)
        c_.Timer1->setInterval(rules_.serveTick());
    else if (c_.Timer1 && c_.Timer1->interval() == slow)
        c_.Timer1->setInterval(rules_.slowTick());
}

void PlayActions::drawBlocks() {
    if (paints())
        engine::drawBlocks(*c_.main_box, s_.blockGrid, s_.colourPhase, patterns_, &painted_);
    else
        advanceColourPhase(s_.colourPhase);
}

void PlayActions::drawBall() {
    if (paints()) {
        engine::drawBall(*c_.main_box, s_);
    } else {
        takeBallFlash(s_.ballFlashTicks);
        shiftTrail(s_.my);
    }
}

void PlayActions::drawServeBall() {
    if (paints()) drawBallAt(*c_.main_box, s_.my.ballX, s_.my.ballY);
}

void PlayActions::play(std::string_view fileName, int channel) {
    try {
        sound_.play(fileName, channel);
    } catch (...) {
        // A sound that cannot be played is silent.
    }
}

void PlayActions::log(std::string_view text) {
    if (c_.moji_l && !text.empty()) c_.moji_l->setCaption(c_.moji_l->caption() + std::string(text));
}

void PlayActions::addPoints(std::int32_t base) {
    tmy& my = s_.my;
    // Formed in 64 bits: base times combo never wraps.
    std::int64_t points = static_cast<std::int64_t>(base) * my.combo;
    if (rules_.cappedPoints && points > kScoreCap) points = kScoreCap;
    log((base >= 0 ? " +" : " ") + std::to_string(points));
    std::int64_t sum = static_cast<std::int64_t>(my.score) + points;
    if (rules_.cappedPoints && sum > kScoreCap) sum = kScoreCap;
    my.score = clampToInt32(sum);
}

void PlayActions::loseLife(std::string_view text, std::int32_t penaltyBase) {
    tmy& my = s_.my;
    playSound0(sounds::kLifeLost);
    setCaption(c_.moji_l2, std::string(text));
    setCaption(c_.moji_l2a, base::fillIn(base::translate("Effects", "Life:%1"),
                                         std::to_string(static_cast<std::int64_t>(my.hp) - 1)));
    if (penaltyBase != 0) addPoints(penaltyBase);
    my.combo = 1;
    setPhase(PlayPhase::Serve);
    addSat(my.hp, -1);
}

void PlayActions::steerFromBar() {
    const std::int64_t ballX = s_.my.ballX, barX = s_.my.barX;
    if (ballX >= barX + 1 && s_.ballDX == 0) s_.ballDX = 1;
    if (ballX <= barX - 1 && s_.ballDX == 0) s_.ballDX = -1;
    if (ballX == barX) s_.ballDX = 0;
}

void PlayActions::placeBar() {
    tmy& my = s_.my;
    const std::int64_t half = my.barHalfWidth;
    std::int64_t barX = my.barX;
    if (barX + half >= kFieldCols + 1) barX = kFieldCols - half;
    if (barX - half <= 0) barX = half + 1;
    my.barX = clampToInt32(barX);
    // Row 18 is emptied from column 0 to column 11 around the bar, then the bar's cells are written.
    const std::int64_t first = barX - half, last = barX + half;
    for (int col = 0; col <= kFieldCols + 1; ++col)
        if (col < first || col > last) s_.blockGrid.set(col, my.barRow, Empty);
    for (std::int64_t col = std::max<std::int64_t>(first, 0);
         col <= std::min<std::int64_t>(last, kGridSize - 1); ++col)
        s_.blockGrid.set(static_cast<int>(col), my.barRow, Bar);
}

}  // namespace engine
