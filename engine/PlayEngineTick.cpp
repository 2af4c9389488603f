// The ball tick: draw, check the ball's own cell, move one cell, probe, hit, bounce off the walls.
#include <array>

#include "engine/ControlAccess.h"
#include "engine/PlayEngine.h"
#include "engine/Saturating.h"

namespace engine {
namespace {

constexpr std::string_view kDeathText = "死亡！！";
constexpr int kRunnerLossRow = kFieldRows + 2;  // the runner's ball is lost on its way to row 22

// The ball reflects from every code but the empty and the deadly cell.
constexpr bool solid(std::int32_t code) {
    return code != Empty && code != Deadly;
}

}  // namespace

void PlayEngine::Timer1Timer() {
    tmy& my = s_.my;
    drawBlocks();
    drawBall();

    const std::int32_t own = s_.blockGrid.at(my.ballX, my.ballY);
    if (own == Deadly) {
        loseLife(kDeathText, rules_.tickLossBase);
        return;
    }
    if (own == Bar) {  // the bar was moved onto the ball: lift it, without sound or combo
        steerFromBar();
        my.ballY = kServeRow;
        s_.ballDY = -1;
        return;
    }
    if (!rules_.lossAfterWalls &&
        (static_cast<std::int64_t>(my.ballY) + s_.ballDY > kFieldRows || my.ballY == kFieldRows)) {
        loseLife(kDeathText, rules_.tickLossBase);
        return;
    }

    addSat(my.ballX, s_.ballDX);
    addSat(my.ballY, s_.ballDY);

    bool tickEnded = false;
    probeAndHit(tickEnded);
    if (tickEnded) return;
    bounceOffWalls();

    if (rules_.lossAfterWalls && static_cast<std::int64_t>(my.ballY) + s_.ballDY >= kRunnerLossRow)
        loseLife(kDeathText, rules_.tickLossBase);
}

void PlayEngine::probeAndHit(bool& tickEnded) {
    struct Slot {
        int x = 0, y = 0;
        bool filled = false;
    };
    std::array<Slot, 4> slots;
    const BlockGrid& grid = s_.blockGrid;
    const int x = s_.my.ballX, y = s_.my.ballY;
    std::int32_t& dx = s_.ballDX;
    std::int32_t& dy = s_.ballDY;

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
        if (applyHit(slots[i].x, slots[i].y, i + 1)) {
            tickEnded = true;
            return;
        }
    }
}

void PlayEngine::bounceOffWalls() {
    tmy& my = s_.my;
    // Left and top act one cell early; the right wall only when the ball would leave column 10.
    if (static_cast<std::int64_t>(my.ballX) + s_.ballDX >= kFieldCols + 1) {
        s_.ballDX = -s_.ballDX;
        my.ballX = kFieldCols;
        playSound0("6.wav");
    }
    if (static_cast<std::int64_t>(my.ballX) + s_.ballDX <= 1) {
        s_.ballDX = -s_.ballDX;
        my.ballX = 1;
        playSound0("6.wav");
    }
    if (static_cast<std::int64_t>(my.ballY) + s_.ballDY <= 1) {
        s_.ballDY = -s_.ballDY;
        my.ballY = 1;
        playSound0("6.wav");
    }
}

}  // namespace engine
