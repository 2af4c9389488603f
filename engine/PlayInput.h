// Mouse input over the play field: the bar follows the pointer; the left button serves or explodes, the right
// one turns the ball. While the play is paused the buttons only go on.
#pragma once

#include "engine/BlockEffects.h"
#include "engine/FieldAnimation.h"
#include "engine/PauseControl.h"
#include "engine/PlayActions.h"
#include "ui/core/Control.h"

namespace engine {

class PlayInput {
  public:
    PlayInput(PlayActions& play, BlockEffects& effects, FieldAnimation& animation, PauseControl& pause)
        : play_(play), effects_(effects), animation_(animation), pause_(pause) {}

    // Pixels from the play field's top-left corner; y is not used.
    void mouseMove(int x, int y);
    void mouseDown(ui::MouseButton button);

  private:
    void serve();
    void explode();
    void turnBall();

    PlayActions& play_;
    BlockEffects& effects_;
    FieldAnimation& animation_;
    PauseControl& pause_;
};

}  // namespace engine
