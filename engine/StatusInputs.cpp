// Taking what the status tick reads.
#include "engine/StatusInputs.h"

#include "engine/ControlAccess.h"
#include "engine/GameConstants.h"

namespace engine {

StatusInputs StatusInputs::of(const GameState& s, const PlayControls& c) {
    StatusInputs in;
    in.phase = s.phase;
    in.my = s.my;
    // Where the ball, its trail and the bar stand is drawn by the ball tick and read by no status tick.
    in.my.ballX = in.my.ballY = 0;
    in.my.barX = in.my.barRow = in.my.barHalfWidth = 0;
    in.my.trailX = {};
    in.my.trailY = {};
    std::size_t i = 0;
    for (int col = 1; col <= kFieldCols; ++col)
        for (int row = 1; row <= kFieldRows; ++row) in.field[i++] = s.blockGrid.at(col, row);
    in.stageTitle = s.stageTitle;
    in.effectTicks = s.effectTicks;
    // The colour phase steps with every ball tick; the combo's colour follows it only from kComboCycleFrom
    // on.
    in.colourPhase = s.my.combo >= kComboCycleFrom ? s.colourPhase : 0;
    in.timePresent = s.timePresent;
    in.lastStageNo = s.lastStageNo;
    in.courseNo = s.courseNo;
    in.ballTickMs = intervalOf(c.Timer1);
    in.countdownMs = intervalOf(c.Timer5);
    in.controlChanges = ui::Control::changesOnThisThread();
    return in;
}

}  // namespace engine
