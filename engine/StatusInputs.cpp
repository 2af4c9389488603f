// Taking what the status tick reads.
#include "engine/StatusInputs.h"

#include "engine/ControlAccess.h"

namespace engine {

StatusInputs StatusInputs::of(const GameState& s, const PlayControls& c) {
    StatusInputs in;
    in.phase = s.phase;
    in.my = s.my;
    std::size_t i = 0;
    for (int col = 1; col <= kFieldCols; ++col)
        for (int row = 1; row <= kFieldRows; ++row) in.field[i++] = s.blockGrid.at(col, row);
    in.stageTitle = s.stageTitle;
    in.effectTicks = s.effectTicks;
    in.colourPhase = s.colourPhase;
    in.timePresent = s.timePresent;
    in.lastStageNo = s.lastStageNo;
    in.courseNo = s.courseNo;
    in.ballTickMs = intervalOf(c.Timer1);
    in.countdownMs = intervalOf(c.Timer5);
    in.controlChanges = ui::Control::changesOnThisThread();
    return in;
}

}  // namespace engine
