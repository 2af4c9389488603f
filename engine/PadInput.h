// A game pad's buttons and left stick as the keys the play windows take (ui::keys::PadA ..): a stick pushed
// past its dead zone is a held direction, pushed all the way it moves as with Shift; held directions repeat
// like held keys. What no play key takes, the panels get as the keyboard's keys (panelKey).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "ui/core/Key.h"

namespace engine {

class PadInput {
  public:
    static constexpr int kDeadZone = 10000;  // of 32767: a stick pushed less is at rest
    static constexpr int kLetGo = 7000;      // a direction held is let go below this
    static constexpr int kFullPush = 29000;  // pushed this far, the stick moves as with Shift
    static constexpr int kRepeatDelayMs = 300;
    static constexpr int kRepeatMs = 70;

    // Button n (SDL's order: ui::keys::PadA + n) pressed or let go; buttons beyond the D-pad are ignored.
    std::vector<ui::KeyEvent> button(int n, bool down, std::int64_t nowMs);
    // The left stick's position, -32768..32767 across (x) and down (y).
    std::vector<ui::KeyEvent> stick(int x, int y, std::int64_t nowMs);
    // The repeated presses of the held directions that are due by nowMs.
    std::vector<ui::KeyEvent> repeat(std::int64_t nowMs);
    // The last pad went away: whatever it held is let go, then PadGone.
    std::vector<ui::KeyEvent> unplugged();
    // Whether a held direction will repeat.
    bool holding() const;

    // The keyboard's key for a pad key that no play key took: the D-pad and the stick are the arrows, A is
    // Enter, B is Escape, the shoulders are Tab and Shift+Tab; 0 for the others.
    static ui::KeyEvent panelKey(const ui::KeyEvent& pad);

  private:
    struct Held {
        bool down = false;
        bool fast = false;  // a stick pushed all the way
        std::int64_t nextMs = 0;
    };
    static constexpr int kDirections = 8;  // the D-pad's four, then the stick's
    static int slotOf(int key);
    static int keyOf(int slot);
    // Presses or lets go of direction slot; a press starts its repeats.
    void set(int slot, bool down, bool fast, std::int64_t nowMs, std::vector<ui::KeyEvent>& out);

    std::array<Held, kDirections> held_{};
};

}  // namespace engine
