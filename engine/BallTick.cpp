// The ball tick: draw, check the ball's own cell, move one cell, probe, hit, bounce off the walls.
#include "engine/BallTick.h"

#include <array>

#include "base/Translation.h"
#include "engine/Saturating.h"
#include "engine/SoundFiles.h"

namespace engine {
namespace {

constexpr const char* kDeathText = QT_TRANSLATE_NOOP("Effects", "死亡！！");
constexpr int kRunnerLossRow = kFieldRows + 2;  // the runner's ball is lost on its way to row 22

// The ball reflects from every code but the empty and the deadly cell.
constexpr bool solid(std::int32_t code) {
    return code != Empty && code != Deadly;
}

}  // namespace

void BallTick::run() {
    GameState& s = play_.state();
    const Rules& rules = play_.rules();
    tmy& my = s.my;
    play_.drawBlocks();
    play_.drawBall();

    const std::int32_t own = s.blockGrid.at(my.ballX, my.ballY);
    if (own == Deadly) {
        play_.loseLife(base::translateData("Effects", kDeathText), rules.tickLossBase);
        return;
    }
    if (own == Bar) {  // the bar was moved onto the ball: lift it, without sound or combo
        play_.steerFromBar();
        my.ballY = kServeRow;
        s.ballDY = -1;
        return;
    }
    if (!rules.lossAfterWalls &&
        (static_cast<std::int64_t>(my.ballY) + s.ballDY > kFieldRows || my.ballY == kFieldRows)) {
        play_.loseLife(base::translateData("Effects", kDeathText), rules.tickLossBase);
        return;
    }

    addSat(my.ballX, s.ballDX);
    addSat(my.ballY, s.ballDY);

    if (probeAndHit()) return;
    bounceOffWalls();

    if (rules.lossAfterWalls && static_cast<std::int64_t>(my.ballY) + s.ballDY >= kRunnerLossRow)
        play_.loseLife(base::translateData("Effects", kDeathText), rules.tickLossBase);
}

bool BallTick::probeAndHit() {
    GameState& s = play_.state();
    struct Slot {
        int x = 0, y = 0;
        bool filled = false;
    };
    std::array<Slot, 4> slots;
    const BlockGrid& grid = s.blockGrid;
    const int x = s.my.ballX, y = s.my.ballY;
    std::int32_t& dx = s.ballDX;
    std::int32_t& dy = s.ballDY;

    bool sideHit = false, verticalHit = false;
    const std::int32_t side = grid.at(x + dx, y);
    if (solid(side)) {
        slots[0] = {x + dx, y, true};
        if (side != Bar) {  // a bar cell met sideways fills the slot but does not turn the ball
            dx = -dx;
            sideHit = true;
        }
    }
    if (solid(grid.at(x, y + dy))) {
        slots[1] = {x, y + dy, true};
        dy = -dy;
        verticalHit = true;
    }
    if (!sideHit && !verticalHit && solid(grid.at(x + dx, y + dy))) {
        slots[2] = {x + dx, y + dy, true};
        dx = -dx;
        dy = -dy;
    }
    slots[3] = {x, y, true};

    for (int i = 0; i < 4; ++i) {
        if (!slots[i].filled) continue;
        if (effects_.applyHit(slots[i].x, slots[i].y, i + 1)) return true;
    }
    return false;
}

void BallTick::bounceOffWalls() {
    GameState& s = play_.state();
    tmy& my = s.my;
    // Left and top act one cell early; the right wall only when the ball would leave column 10.
    if (static_cast<std::int64_t>(my.ballX) + s.ballDX >= kFieldCols + 1) {
        s.ballDX = -s.ballDX;
        my.ballX = kFieldCols;
        play_.playSound0(sounds::kWallBounce);
    }
    if (static_cast<std::int64_t>(my.ballX) + s.ballDX <= 1) {
        s.ballDX = -s.ballDX;
        my.ballX = 1;
        play_.playSound0(sounds::kWallBounce);
    }
    if (static_cast<std::int64_t>(my.ballY) + s.ballDY <= 1) {
        s.ballDY = -s.ballDY;
        my.ballY = 1;
        play_.playSound0(sounds::kWallBounce);
    }
}

}  // namespace engine
