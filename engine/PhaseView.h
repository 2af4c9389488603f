// Shows the phase of play on a window's controls.
#pragma once

#include "engine/PlayControls.h"
#include "engine/PlayPhase.h"

namespace engine {

// The start panel, the ready button, the start prompt, the end button and the end panel are shown in the
// phases that wait for them; the ball tick runs while the ball does. Missing controls are skipped.
void showPhase(PlayControls& c, PlayPhase phase);

}  // namespace engine
