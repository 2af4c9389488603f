// Mouse input: the bar follows the pointer; the left button serves or explodes, the right one turns the ball.
#include "engine/PlayInput.h"

#include "base/Translation.h"
#include "engine/ControlAccess.h"
#include "engine/FieldPainter.h"
#include "engine/GameConstants.h"
#include "engine/Saturating.h"
#include "engine/SoundFiles.h"

namespace engine {
namespace {

constexpr std::int32_t kTurnCostUnits = 5;  // time units a right click costs

}  // namespace

void PlayInput::mouseMove(int x, int /*y*/) {
    if (pause_.paused()) return;  // the bar stays where the pause found it
    GameState& s = play_.state();
    PlayControls& c = play_.controls();
    tmy& my = s.my;
    my.barX = x / kCellWidth + 1;  // truncates toward zero, as the window's division does
    play_.placeBar();
    if (!waitsForServe(play_.phase())) return;
    // Waiting for a serve: the ball rides above the bar's centre.
    setTransparent(c.moji_l2, true);
    setTransparent(c.moji_l2a, true);
    play_.drawBlocks();
    my.ballX = my.barX;
    my.ballY = kServeRow;
    play_.drawServeBall();
    s.ballDX = 0;
    s.ballDY = -1;
}

void PlayInput::mouseDown(ui::MouseButton button) {
    if (pause_.paused()) {
        // A left click goes on from where the pause stood: no serve, explosion or turn.
        if (button == ui::MouseButton::Left) pause_.resume();
        return;
    }
    const Rules& rules = play_.rules();
    const PlayPhase phase = play_.phase();
    if (rules.endButtonBlocksClicks && endWaits(phase)) return;
    if (button == ui::MouseButton::Left) {
        if (waitsForServe(phase)) {
            serve();
            return;
        }
        if (phase == PlayPhase::StartPanel || readyWaits(phase)) return;
        if (rules.explosionOnlyInPlay && !play_.ballInPlay()) return;
        explode();
    } else if (button == ui::MouseButton::Right && play_.ballInPlay()) {
        turnBall();
    }
}

void PlayInput::serve() {
    GameState& s = play_.state();
    PlayControls& c = play_.controls();
    const Rules& rules = play_.rules();
    play_.playSound0(sounds::kBar);
    setCaption(c.moji_l, base::translate("Effects", "                START!!!"));
    setCaption(c.play_l, rules.beatFrame2);
    play_.setPhase(PlayPhase::InPlay);
    setTransparent(c.moji_l2, true);
    setTransparent(c.moji_l2a, true);
    s.ballFlashTicks = 0;
    setCaption(c.moji_l2, base::translate("Effects", "HANG IN THERE!"));
    if (rules.serveEmptiesBannerLine2) setCaption(c.moji_l2a, "");
    s.effectTicks = 0;
    setInterval(c.Timer1, rules.serveTick());
    s.my.barHalfWidth = 1;
    resetTrail(s.my);
}

void PlayInput::explode() {
    const tmy& my = play_.state().my;
    play_.playSound1(sounds::kExplosion);
    // The nine cells around the ball go, bar cells included, for no points.
    effects_.clearAround(my.ballX, my.ballY);
    animation_.burst(31, 2, 1, 2);
    play_.loseLife(base::translate("Effects", "爆死！！"));
}

void PlayInput::turnBall() {
    GameState& s = play_.state();
    play_.playSound1(sounds::kTurn);
    if (s.ballDX != 0)
        s.ballDX = -s.ballDX;
    else
        s.ballDX = play_.services().random.next(2) == 0 ? 1 : -1;
    s.ballFlashTicks = kBallFlashTicks;
    play_.log(base::translate("Effects", " 【Time -5!】"));
    addSat(s.my.timeLeft, -kTurnCostUnits);
}

}  // namespace engine
