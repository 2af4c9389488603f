// The animations painted over the play field, centred on the ball's cell: the red burst of an explosion and
// the flash of a row blast. Skipped, pauses included, while drawing is off.
#pragma once

#include "engine/PlayActions.h"

namespace engine {

class FieldAnimation {
  public:
    explicit FieldAnimation(PlayActions& play) : play_(play) {}

    // frames rectangles growing by (stepX, stepY) from the ball, each less red by redStep.
    void burst(int frames, int stepX, int stepY, int redStep);
    void rowFlash();

  private:
    void repaintField();

    PlayActions& play_;
};

}  // namespace engine
