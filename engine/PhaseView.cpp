// The phase of play on the controls.
#include "engine/PhaseView.h"

#include "engine/ControlAccess.h"

namespace engine {

void showPhase(PlayControls& c, PlayPhase phase) {
    if (c.Timer1) c.Timer1->setEnabled(ballRuns(phase));
    setShown(c.try_b, waitsForServe(phase));
    setShown(c.ok_b, readyWaits(phase));
    setShown(c.end_b, endWaits(phase));
    setShown(c.start_box, phase == PlayPhase::StartPanel);
    setShown(c.end_box, phase == PlayPhase::EndPanel);
}

}  // namespace engine
