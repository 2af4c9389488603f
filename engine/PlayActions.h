// The routines every part of play shares: drawing the field, sounds, points, the event log, lives, the bar
// and the steering rule, over the window's game state and controls.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/FieldPainter.h"
#include "engine/GameState.h"
#include "engine/PlayControls.h"
#include "engine/PlayPhase.h"
#include "engine/Rules.h"
#include "engine/SoundSink.h"
#include "ui/core/Services.h"

namespace engine {

// Controls that a PlayControls leaves null count as hidden and are not touched.
class PlayActions {
  public:
    PlayActions(GameState& state, PlayControls& controls, ui::Services& services, SoundSink& sound,
                Rules rules);

    GameState& state() { return s_; }
    const GameState& state() const { return s_; }
    PlayControls& controls() { return c_; }
    const PlayControls& controls() const { return c_; }
    ui::Services& services() { return services_; }
    const Rules& rules() const { return rules_; }

    // Off: nothing is painted on main_box and the animations and their pauses are skipped; the state
    // changes of drawing (colour phase, trail, ball flash) still happen.
    void setDrawing(bool on) { drawing_ = on; }
    bool drawing() const { return drawing_; }
    // Whether drawing is on and there is a play field to paint on.
    bool paints() const { return drawing_ && c_.main_box; }

    // Each block kind's pattern over its colour (engine/BlockPatterns); a field waiting for the serve shows
    // them at once, one in play at its next tick.
    void setPatterns(bool on);
    bool patterns() const { return patterns_; }
    // The ball's pace in percent (Rules::pacePercent); a running tick takes its new length at once.
    void setPace(int percent);

    PlayPhase phase() const { return s_.phase; }
    // Moves play to phase and shows it on the controls.
    void setPhase(PlayPhase phase);
    // Whether a ball is in play (the phase lets it run; a pause holds it where it is).
    bool ballInPlay() const { return ballRuns(s_.phase); }

    void drawBlocks();
    void drawBall();
    // The ball alone, white on black, above the bar at (ballX, ballY): a stage start or a serve wait.
    void drawServeBall();
    void placeBar();
    void steerFromBar();
    // Takes a life with the banner text; penaltyBase (the runner's tick loss) is awarded before combo resets.
    void loseLife(std::string_view text, std::int32_t penaltyBase = 0);
    void addPoints(std::int32_t base);
    // Sound is fire-and-forget: a sound that cannot be played is silent.
    void playSound0(std::string_view fileName) { play(fileName, 0); }
    void playSound1(std::string_view fileName) { play(fileName, 1); }
    // Appends to the event log moji_l.
    void log(std::string_view text);

  private:
    void play(std::string_view fileName, int channel);

    GameState& s_;
    PlayControls& c_;
    ui::Services& services_;
    SoundSink& sound_;
    Rules rules_;
    bool drawing_ = true;
    bool patterns_ = false;
    PaintedCells painted_;  // what the field's cells show, so a ball tick draws only what changed
};

}  // namespace engine
