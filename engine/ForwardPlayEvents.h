// Forwards a play window's timers, mouse events, keys, focus and close box to its engine, the same way in
// every play window.
#pragma once

#include <initializer_list>
#include <vector>

#include "engine/PlayBindings.h"
#include "engine/PlayEngine.h"
#include "ui/core/Control.h"
#include "ui/core/Form.h"

namespace engine {

// The pause key (P) pauses and goes on; losing the focus pauses unless the player set PauseOnFocusLoss=0 in
// the program's section of zorban.ini; closing with a ball in play asks first.
void forwardPauseEvents(PlayEngine& e, ui::Form& form, const PlayBindings& bindings = {});
// The play keys (see PlayKeys) go to the engine ahead of the focused control, unless one of panels is shown.
void forwardPlayKeys(PlayEngine& e, ui::Form& form, std::vector<const ui::Control*> panels = {},
                     const PlayBindings& bindings = {});

// Timer1..Timer6 (and Timer7 where the window has it) run the engine's handlers and rest when they have
// nothing to do; moves and presses over each of mouseAreas, which share the play field's origin, go to
// main_boxMouseMove and main_boxMouseDown; the play keys go the same way, ahead of the focused control,
// unless one of panels covers the field. The player's own play keys are read from the settings here, once.
template <typename Window>
void forwardPlayEvents(PlayEngine& e, Window& w, std::initializer_list<ui::Control*> mouseAreas,
                       std::initializer_list<const ui::Control*> panels = {}) {
    w.Timer1.onTimer = [&e] { e.Timer1Timer(); };
    w.Timer2.onTimer = [&e] { e.Timer2Timer(); };
    w.Timer3.onTimer = [&e] { e.Timer3Timer(); };
    w.Timer4.onTimer = [&e] { e.Timer4Timer(); };
    w.Timer5.onTimer = [&e] { e.Timer5Timer(); };
    w.Timer6.onTimer = [&e] { e.Timer6Timer(); };
    if constexpr (requires { w.Timer7; }) w.Timer7.onTimer = [&e] { e.Timer7Timer(); };
    e.letTimersRest();
    for (ui::Control* c : mouseAreas) {
        c->onMouseMove = [&e](const ui::MouseEvent& m) { e.main_boxMouseMove(m.x, m.y); };
        c->onMouseDown = [&e](const ui::MouseEvent& m) { e.main_boxMouseDown(m.button); };
    }
    const PlayBindings bindings = PlayBindings::fromSettings(e.services().settings);
    forwardPlayKeys(e, w.form, panels, bindings);
    forwardPauseEvents(e, w.form, bindings);
}

}  // namespace engine
