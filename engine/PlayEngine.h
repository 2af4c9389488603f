// The game engine of a play window: the handlers and routines that the windows, tools and tests call, each
// handed to the part of play that does it (ball tick, block effects, input, status tick, timers).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "engine/BallTick.h"
#include "engine/BlockEffects.h"
#include "engine/FieldAnimation.h"
#include "engine/GameState.h"
#include "engine/PauseControl.h"
#include "engine/PlayActions.h"
#include "engine/PlayControls.h"
#include "engine/PlayInput.h"
#include "engine/PlayTimers.h"
#include "engine/Rules.h"
#include "engine/SoundSink.h"
#include "engine/StatusTick.h"
#include "ui/core/Control.h"
#include "ui/core/Services.h"

namespace engine {

// Works on the window's game state and controls; every handler runs to its end on the window's thread.
// The handlers keep the names of the window's events so that a window forwards them one to one.
// Controls that a PlayControls leaves null count as hidden and are not touched.
class PlayEngine {
  public:
    PlayEngine(GameState& state, PlayControls& controls, ui::Services& services, SoundSink& sound,
               Rules rules = Rules::game());
    PlayEngine(const PlayEngine&) = delete;
    PlayEngine& operator=(const PlayEngine&) = delete;

    // Off: nothing is painted on main_box and the animations and their pauses are skipped; the state
    // changes of drawing (colour phase, trail, ball flash) still happen. For tools that play headless.
    void setDrawing(bool on) { actions_.setDrawing(on); }
    bool drawing() const { return actions_.drawing(); }

    // Writes the shared progress file at ALL CLEAR (the game shell's routine).
    std::function<void()> saveCommonData;
    // Shows the course buttons that the progress opens (the game shell's routine), at every game status tick.
    std::function<void()> showCourses;

    const Rules& rules() const { return actions_.rules(); }
    // The block kinds' patterns and the ball's pace (the runner's practice), as PlayActions shows them.
    void setPatterns(bool on) { actions_.setPatterns(on); }
    bool patterns() const { return actions_.patterns(); }
    void setPace(int percent) { actions_.setPace(percent); }
    GameState& state() { return actions_.state(); }
    PlayControls& controls() { return actions_.controls(); }
    ui::Services& services() { return actions_.services(); }
    // P and the focus pause the play; while paused the mouse handlers do nothing.
    PauseControl& pauseControl() { return pause_; }
    // Whether a ball is in play.
    bool ballInPlay() const { return actions_.ballInPlay(); }
    PlayPhase phase() const { return actions_.phase(); }
    // Moves play to phase and shows it on the controls: the shells' panels and buttons, the tests' set-ups.
    void setPhase(PlayPhase phase) { actions_.setPhase(phase); }

    // Handlers.
    void Timer1Timer() { ballTick_.run(); }         // ball tick
    void Timer2Timer() { statusTick_.run(); }       // status tick
    void Timer3Timer() { timers_.scrollLog(); }     // event-log scrolling
    void Timer4Timer() { timers_.blinkCombo(); }    // combo blinking
    void Timer5Timer() { timers_.countdown(); }     // one-second countdown, effect time, banner age
    void Timer6Timer() { timers_.beat(); }          // beat animation
    void Timer7Timer() { timers_.colourBanner(); }  // banner colouring
    void Button1Click() { timers_.slowDown(); }     // speed_down
    // Tells Timer2..Timer7 when their ticks have nothing to do (ui::Timer::nothingToDo), so that a window
    // where nothing can change sleeps. Call once the controls are bound. Off: they always have work, and the
    // status tick keeps no account of it (for simulations that call the handlers themselves).
    void letTimersRest(bool rest = true);
    // Pixels from the play field's top-left corner; y is not used.
    void main_boxMouseMove(int x, int y) { input_.mouseMove(x, y); }
    void main_boxMouseDown(ui::MouseButton button) { input_.mouseDown(button); }

    // Routines shared with the shells.
    void drawBlocks() { actions_.drawBlocks(); }
    void drawBall() { actions_.drawBall(); }
    // The ball alone, white on black, above the bar at (ballX, ballY): a stage start or a serve wait.
    void drawServeBall() { actions_.drawServeBall(); }
    void placeBar() { actions_.placeBar(); }
    void steerFromBar() { actions_.steerFromBar(); }
    // Takes a life with the banner text; penaltyBase (the runner's tick loss) is awarded before combo resets.
    void loseLife(std::string_view text, std::int32_t penaltyBase = 0) {
        actions_.loseLife(text, penaltyBase);
    }
    // Applies the hit effect of cell (x, y) met through slot 1..4; true when the effect ends the tick.
    bool applyHit(int x, int y, int slot) { return effects_.applyHit(x, y, slot); }
    void addPoints(std::int32_t base) { actions_.addPoints(base); }
    void playSound0(std::string_view fileName) { actions_.playSound0(fileName); }
    void playSound1(std::string_view fileName) { actions_.playSound1(fileName); }
    // Appends to the event log moji_l.
    void log(std::string_view text) { actions_.log(text); }
    static std::string scoreText(std::int64_t v);

  private:
    PlayActions actions_;
    PauseControl pause_;
    FieldAnimation animation_;
    BlockEffects effects_;
    BallTick ballTick_;
    PlayInput input_;
    StatusTick statusTick_;
    PlayTimers timers_;
};

}  // namespace engine
