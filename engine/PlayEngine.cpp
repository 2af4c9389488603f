// The engine's shared routines: drawing, sounds, points, the log, lives, the bar and the steering rule.
#include "engine/PlayEngine.h"

#include <algorithm>

#include "engine/ControlAccess.h"
#include "engine/FieldPainter.h"
#include "engine/Saturating.h"
#include "engine/ScoreText.h"

namespace engine {

PlayEngine::PlayEngine(GameState& state, PlayControls& controls, ui::Services& services, SoundSink& sound,
                       Rules rules)
    : s_(state),
      c_(controls),
      services_(services),
      sound_(sound),
      rules_(std::move(rules)),
      pause_(controls, services.clock) {}

bool PlayEngine::ballInPlay() const {
    return running(c_.Timer1);
}

void PlayEngine::drawBlocks() {
    if (drawing_ && c_.main_box)
        engine::drawBlocks(*c_.main_box, s_.blockGrid, s_.colourPhase);
    else
        advanceColourPhase(s_.colourPhase);
}

void PlayEngine::drawBall() {
    if (drawing_ && c_.main_box) {
        engine::drawBall(*c_.main_box, s_);
    } else {
        takeBallFlash(s_.ballFlashTicks);
        shiftTrail(s_.my);
    }
}

void PlayEngine::drawServeBall() {
    if (drawing_ && c_.main_box) drawBallAt(*c_.main_box, s_.my.ballX, s_.my.ballY);
}

void PlayEngine::playSound0(std::string_view fileName) {
    try {
        sound_.play(fileName, 0);
    } catch (...) {
        // Sound is fire-and-forget: a sound that cannot be played is silent.
    }
}

void PlayEngine::playSound1(std::string_view fileName) {
    try {
        sound_.play(fileName, 1);
    } catch (...) {
    }
}

void PlayEngine::log(std::string_view text) {
    if (c_.moji_l && !text.empty()) c_.moji_l->setCaption(c_.moji_l->caption() + std::string(text));
}

std::string PlayEngine::scoreText(std::int64_t v) {
    return engine::scoreText(v);
}

void PlayEngine::addPoints(std::int32_t base) {
    tmy& my = s_.my;
    // Formed in 64 bits: base times combo never wraps.
    std::int64_t points = static_cast<std::int64_t>(base) * my.combo;
    if (rules_.cappedPoints && points > kScoreCap) points = kScoreCap;
    log((base >= 0 ? " +" : " ") + std::to_string(points));
    std::int64_t sum = static_cast<std::int64_t>(my.score) + points;
    if (rules_.cappedPoints && sum > kScoreCap) sum = kScoreCap;
    my.score = clampToInt32(sum);
}

void PlayEngine::loseLife(std::string_view text, std::int32_t penaltyBase) {
    tmy& my = s_.my;
    playSound0("5.wav");
    setCaption(c_.moji_l2, std::string(text));
    setCaption(c_.moji_l2a, "Life:" + std::to_string(static_cast<std::int64_t>(my.hp) - 1));
    if (penaltyBase != 0) addPoints(penaltyBase);
    my.combo = 1;
    stop(c_.Timer1);
    setShown(c_.try_b, true);
    addSat(my.hp, -1);
}

void PlayEngine::steerFromBar() {
    const std::int64_t ballX = s_.my.ballX, barX = s_.my.barX;
    if (ballX >= barX + 1 && s_.ballDX == 0) s_.ballDX = 1;
    if (ballX <= barX - 1 && s_.ballDX == 0) s_.ballDX = -1;
    if (ballX == barX) s_.ballDX = 0;
}

void PlayEngine::placeBar() {
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
