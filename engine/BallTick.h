// The ball tick: draw, check the ball's own cell, move one cell, probe, hit, bounce off the walls.
#pragma once

#include "engine/BlockEffects.h"
#include "engine/PlayActions.h"

namespace engine {

class BallTick {
  public:
    BallTick(PlayActions& play, BlockEffects& effects) : play_(play), effects_(effects) {}

    // One tick of Timer1.
    void run();

  private:
    // Fills the probe slots around the ball, turns it and applies the hits; true when a hit ended the tick.
    bool probeAndHit();
    void bounceOffWalls();

    PlayActions& play_;
    BlockEffects& effects_;
};

}  // namespace engine
