// What a hit on each block code does: its sound, gauge, points, money and effect, and the clears of bombs,
// row blasts and the all-clear block with their animations.
#pragma once

#include "engine/FieldAnimation.h"
#include "engine/PlayActions.h"

namespace engine {

class BlockEffects {
  public:
    BlockEffects(PlayActions& play, FieldAnimation& animation) : play_(play), animation_(animation) {}

    // Applies the hit effect of cell (x, y) met through slot 1..4 (4: the ball's own cell); true when the
    // effect ends the tick.
    bool applyHit(int x, int y, int slot);
    // Empties the nine cells centred on (x, y), bar cells included.
    void clearAround(int x, int y);

  private:
    void clearRow(int y);
    void clearField();
    void multiplyInto(int x, int y);

    PlayActions& play_;
    FieldAnimation& animation_;
};

}  // namespace engine
