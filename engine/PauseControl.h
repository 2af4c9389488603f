// Pausing a play window: every timer stops and "PAUSE" covers the field until the player goes on.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "engine/GameState.h"
#include "engine/PlayBindings.h"
#include "engine/PlayControls.h"
#include "ui/core/Dialogs.h"
#include "ui/core/Key.h"
#include "ui/core/Timer.h"
#include "ui/core/Widgets.h"

namespace engine {

// What a pause keeps: the window's timers are disabled and the ones that ran are remembered; nothing else
// is touched. As no handler runs meanwhile, the ball, the stage time, the effect countdown, the banner's
// age and the field's picture stand exactly where the last tick left them.
//
// A timer started again begins a fresh interval, as a window timer does, with one exception: the
// one-second countdown (Timer5) goes on from the part of its second that had passed, so pausing and
// going on again and again cannot hold the stage time still. For that one tick Timer5 runs the rest of
// its second; its own tick then puts its interval back.
//
// Only play pauses: a ball in play or a ball waiting for its serve.
class PauseControl {
  public:
    PauseControl(const GameState& state, PlayControls& controls, const base::Clock& clock);

    bool paused() const { return paused_; }
    bool playGoingOn() const;
    // Whether a ball is in play, also while a pause holds it.
    bool ballInPlay() const { return ballRuns(state_.phase); }

    // Stops the running timers and shows pause_l; false, doing nothing, when paused already or no play goes
    // on.
    bool pause();
    // Starts exactly the timers the pause stopped, hides pause_l; nothing when not paused. A left click on
    // the field calls it too (the click does nothing else).
    void resume();
    // P: pause, or go on.
    void toggle();

    // The pause keys and pad buttons of bindings (P and Start unless the player chose others), and the line
    // under "PAUSE" naming them with the keys that go on (the serve's).
    void useKeys(const PlayBindings& bindings);
    // The window's key handler: a plain pause key (Shift allowed, no Ctrl or Alt) toggles; a held one repeats
    // nothing.
    bool keyDown(const ui::KeyEvent& e);
    // Losing the focus pauses when the player has it so (pauseOnFocusLoss); gaining it goes on with nothing:
    // the player presses P. A dialog the window opens itself (see ModalDialog) is no loss of focus.
    void activationChanged(bool active, bool pauseOnFocusLoss);
    // The window's close question: closing with a ball in play asks first, the play paused meanwhile; No
    // keeps the window and goes on as before the question. With no ball in play the window closes unasked.
    bool closeQuery(ui::Dialogs& dialogs);

    // Told by the countdown's tick, so that a pause knows how much of the current second has passed.
    void countdownTicked();
    // Whether the countdown runs the rest of a second after a pause, and its next tick must put its interval
    // back.
    bool countdownShortened() const { return countdownShortened_; }

    // While one lives, the window's own dialog has the focus: focus changes do not pause.
    class ModalDialog {
      public:
        explicit ModalDialog(PauseControl& p) : p_(p) { ++p_.modalDialogs_; }
        ~ModalDialog() { --p_.modalDialogs_; }
        ModalDialog(const ModalDialog&) = delete;
        ModalDialog& operator=(const ModalDialog&) = delete;

      private:
        PauseControl& p_;
    };

    // Dresses the window's pause_l and the line under it: white on the banner's purple, centred across the
    // field; "PAUSE" bold italic in the banner's size, the line under it smaller.
    static void dressLabels(ui::Label& label, ui::Label& line);
    // The line under "PAUSE": how to go on with bindings.
    static std::string goOnText(const PlayBindings& bindings);

  private:
    std::vector<ui::Timer*> timers() const;

    const GameState& state_;
    PlayControls& c_;
    const base::Clock& clock_;
    bool paused_ = false;
    std::vector<ui::Timer*> stopped_;   // the timers the pause stopped, to start again
    std::int64_t countdownStartMs_;     // when the countdown's current second began
    std::int64_t countdownLeftMs_ = 0;  // rest of that second, kept over a pause
    bool countdownShortened_ = false;   // Timer5 runs the rest of a second and must get its interval back
    int countdownIntervalMs_ = 0;       // Timer5's interval before it was shortened
    int modalDialogs_ = 0;
    PlayBindings bindings_;
    std::string goOnText_ = goOnText(bindings_);
};

}  // namespace engine
