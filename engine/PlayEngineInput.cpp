// Mouse input: the bar follows the pointer; the left button serves or explodes, the right one turns the ball.
#include "engine/ControlAccess.h"
#include "engine/FieldPainter.h"
#include "engine/PlayEngine.h"
#include "engine/Saturating.h"

namespace engine {
namespace {

constexpr std::int32_t kTurnCostUnits = 5;  // time units a right click costs

}  // namespace

void PlayEngine::main_boxMouseMove(int x, int /*y*/) {
    if (pause_.paused()) return;  // the bar stays where the pause found it
    tmy& my = s_.my;
    my.barX = x / kCellWidth + 1;  // truncates toward zero, as the window's division does
    placeBar();
    if (!shown(c_.try_b)) return;
    // Waiting for a serve: the ball rides above the bar's centre.
    setTransparent(c_.moji_l2, true);
    setTransparent(c_.moji_l2a, true);
    drawBlocks();
    my.ballX = my.barX;
    my.ballY = kServeRow;
    drawServeBall();
    s_.ballDX = 0;
    s_.ballDY = -1;
}

void PlayEngine::main_boxMouseDown(ui::MouseButton button) {
    if (pause_.paused()) {
        // A left click goes on from where the pause stood: no serve, explosion or turn.
        if (button == ui::MouseButton::Left) pause_.resume();
        return;
    }
    if (rules_.endButtonBlocksClicks && shown(c_.end_b)) return;
    if (button == ui::MouseButton::Left) {
        if (shown(c_.try_b)) {
            serve();
            return;
        }
        if (shown(c_.start_box) || shown(c_.ok_b)) return;
        if (rules_.explosionOnlyInPlay && !ballInPlay()) return;
        explode();
    } else if (button == ui::MouseButton::Right && ballInPlay()) {
        turnBall();
    }
}

void PlayEngine::serve() {
    playSound0("at1.wav");
    setCaption(c_.moji_l, "                START!!!");
    setCaption(c_.play_l, rules_.beatFrame2);
    start(c_.Timer1);
    setTransparent(c_.moji_l2, true);
    setTransparent(c_.moji_l2a, true);
    setShown(c_.try_b, false);
    s_.ballFlashTicks = 0;
    setCaption(c_.moji_l2, "HANG IN THERE!");
    if (rules_.serveEmptiesBannerLine2) setCaption(c_.moji_l2a, "");
    s_.effectTicks = 0;
    setInterval(c_.Timer1, rules_.ballTickMs);
    s_.my.barHalfWidth = 1;
    resetTrail(s_.my);
}

void PlayEngine::explode() {
    playSound1("7.wav");
    // The nine cells around the ball go, bar cells included, for no points.
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) s_.blockGrid.set(s_.my.ballX + dx, s_.my.ballY + dy, Empty);
    burst(31, 2, 1, 2);
    loseLife("爆死！！");
}

void PlayEngine::turnBall() {
    playSound1("10.wav");
    if (s_.ballDX != 0)
        s_.ballDX = -s_.ballDX;
    else
        s_.ballDX = services_.random.next(2) == 0 ? 1 : -1;
    s_.ballFlashTicks = kBallFlashTicks;
    log(" 【Time -5!】");
    addSat(s_.my.timeLeft, -kTurnCostUnits);
}

}  // namespace engine
