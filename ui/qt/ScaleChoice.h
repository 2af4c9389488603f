// The player's whole-number window scale: remembered between runs, stepped with Ctrl and + / - / 0.
#pragma once

#include <string_view>

#include "base/Settings.h"
#include "ui/core/Key.h"

namespace ui::qt {

// The choice is kept in the program's settings under "Scale": 0 (or nothing) is automatic, which leaves
// the window at its own size times the screen's device pixel ratio; 1, 2, 3... multiply that by the factor.
// A choice larger than the screen allows is shown at the largest factor that fits and kept for a larger
// screen. Nothing is written until the player changes the scale.
class ScaleChoice {
  public:
    static constexpr std::string_view kKey = "Scale";

    enum class Step { None, Larger, Smaller, Automatic };
    // Ctrl with '+' or '=' (the unshifted '+' key of many layouts), '-', or '0'; anything else is None.
    static Step stepOf(const ui::KeyEvent& e);
    // The largest whole factor at which width × height fits into room (px); at least 1.
    static int largestFitting(int width, int height, int roomWidth, int roomHeight);

    // settings may be nullptr: the choice then lasts as long as the window.
    explicit ScaleChoice(base::Settings* settings);

    // The factor to show: the remembered choice, within 1..largest.
    int factor(int largest) const;
    // One step from the factor shown now, remembered when it changes the choice. Returns the factor to show.
    int take(Step step, int shown, int largest);

  private:
    void remember(int choice);

    base::Settings* settings_;
    int chosen_ = 0;  // 0 automatic, else the factor asked for
};

}  // namespace ui::qt
