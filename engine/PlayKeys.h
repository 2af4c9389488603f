// Keyboard and pad play: the keys stand in for the mouse over the field and go through the same handlers,
// so every rule of the mouse holds for them. By default (see PlayBindings for the player's own):
//   Left / A, Right / D  the bar one column (three with Shift), repeated while held
//   Space                the left button: serve, explosion; goes on from a pause
//   X, Ctrl              the right button: turn the ball (Ctrl on its release, when no other key was
//                        pressed while it was held: Ctrl and + stays the window's size key)
//   Enter                the big button that is shown: "ARE YOU READY !?" or the end button
// The pad's buttons are keys too (ui::keys::PadA ..): the D-pad and the stick move the bar, A serves and
// explodes, and presses the big button that is shown; B or X turns. A pad unplugged in play pauses it.
#pragma once

#include <utility>
#include <vector>

#include "engine/PlayBindings.h"
#include "ui/core/Control.h"
#include "ui/core/Key.h"

namespace engine {

class PlayEngine;

class PlayKeys {
  public:
    static constexpr int kShiftColumns = 3;  // columns a press moves the bar with Shift held

    // panels: the window's panels that may cover the field besides the start and end panels (help, toy shop).
    explicit PlayKeys(PlayEngine& engine, std::vector<const ui::Control*> panels = {},
                      PlayBindings bindings = {})
        : e_(engine), panels_(std::move(panels)), bindings_(std::move(bindings)) {}

    // Whether the key was a play key taken by the field; keys not taken go on to the focused control and the
    // window's other keys. Nothing is taken while a panel covers the field, and no release.
    bool key(const ui::KeyEvent& k);

  private:
    bool fieldTakesKeys() const;
    void released(const ui::KeyEvent& k);
    void moveBar(int columns);
    // The shown big button's click; false when none is shown.
    bool pressBigButton();
    // What an action's press does; false when the key is not the field's.
    bool act(PlayAction action, const ui::KeyEvent& k);

    PlayEngine& e_;
    std::vector<const ui::Control*> panels_;
    PlayBindings bindings_;
    bool actOnCtrlRelease_ = false;  // Ctrl is held, and no other key was pressed since
};

}  // namespace engine
