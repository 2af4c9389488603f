// The real-time timers of a play window: log scrolling, combo blinking, the one-second countdown, the beat
// animation and banner colours, and the speed_down button's pace.
#pragma once

#include <optional>

#include "base/Bitmap.h"
#include "engine/PauseControl.h"
#include "engine/PlayActions.h"

namespace engine {

class PlayTimers {
  public:
    PlayTimers(PlayActions& play, PauseControl& pause) : play_(play), pause_(pause) {}

    void scrollLog();     // Timer3
    void blinkCombo();    // Timer4
    void countdown();     // Timer5: time left, effect time, banner age
    void beat();          // Timer6
    void colourBanner();  // Timer7
    void slowDown();      // Button1 (speed_down)

  private:
    // Beat pictures, read once.
    const base::Bitmap& beatPicture(int frame);

    PlayActions& play_;
    PauseControl& pause_;
    std::optional<base::Bitmap> beatPictures_[2];
};

}  // namespace engine
