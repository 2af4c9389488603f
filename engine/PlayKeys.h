// Keyboard play: the keys stand in for the mouse over the field and go through the same handlers, so every
// rule of the mouse holds for them.
//   Left / A, Right / D  the bar one column (three with Shift), repeated while held
//   Space                the left button: serve, explosion; goes on from a pause
//   X, Ctrl              the right button: turn the ball (Ctrl on its release, when no other key was
//                        pressed while it was held: Ctrl and + stays the window's size key)
//   Enter                the big button that is shown: "ARE YOU READY !?" or the end button
#pragma once

#include <utility>
#include <vector>

#include "ui/core/Control.h"
#include "ui/core/Key.h"

namespace engine {

class PlayEngine;

class PlayKeys {
  public:
    static constexpr int kShiftColumns = 3;  // columns a press moves the bar with Shift held

    // panels: the window's panels that may cover the field besides the start and end panels (help, toy shop).
    explicit PlayKeys(PlayEngine& engine, std::vector<const ui::Control*> panels = {})
        : e_(engine), panels_(std::move(panels)) {}

    // Whether the key was a play key taken by the field; keys not taken go on to the focused control and the
    // window's other keys. Nothing is taken while a panel covers the field, and no release.
    bool key(const ui::KeyEvent& k);

  private:
    bool fieldTakesKeys() const;
    void released(const ui::KeyEvent& k);
    void moveBar(int columns);
    // The shown big button's click; false when none is shown.
    bool pressBigButton();

    PlayEngine& e_;
    std::vector<const ui::Control*> panels_;
    bool turnOnCtrlRelease_ = false;  // Ctrl is held, and no other key was pressed since
};

}  // namespace engine
