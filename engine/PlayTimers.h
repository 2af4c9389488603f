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

    // Whether a tick of each could change nothing now: what it shows and keeps already stands as the tick
    // would leave it (see ui::Timer::nothingToDo).
    bool logStill() const;        // Timer3: the log is empty and paced for that
    bool comboStill() const;      // Timer4: no ball runs and the counter is shown
    bool countdownStill() const;  // Timer5: no play, no effect and no banner that still ages
    bool beatStill() const;       // Timer6: no ball runs and the picture is hidden
    bool bannerStill() const;     // Timer7: the banner is empty or already in the colours of the moment

  private:
    // Beat pictures, read once.
    const base::Bitmap& beatPicture(int frame);

    PlayActions& play_;
    PauseControl& pause_;
    std::optional<base::Bitmap> beatPictures_[2];
};

}  // namespace engine
