// Starting a run and a stage: the one routine behind the game's course pick and ready button, the
// user-stage player's stage choice, the headless player and the solver. Where the game and the user-stage
// player differ, the engine's StartRules say how.
#pragma once

#include <functional>
#include <string>

#include "engine/GameState.h"
#include "engine/Rules.h"

namespace engine {

class PlayEngine;

// The run's start values: score 0, combo 1, lives capped at kMaxLives, the bar of three cells at column
// kStartBarX of row kBarRow, stage index -1 and the rules' run time; see StartRules for the rest.
void startRun(GameState& state, const Rules& rules);

// What comes before a stage file is read: the ready click (its sound, the buttons hidden, the next stage
// index) or, for the user-stage player, the end of a pause.
void enterStage(PlayEngine& engine);

// Puts the stage that the state holds (grid, title, author) into play: the bar placed, the field painted,
// the ball on the serve cell heading straight up, the banner and the log naming the stage, the start
// prompt shown.
void putStageInPlay(PlayEngine& engine);

// enterStage, the stage file read into the state, putStageInPlay. stagePath is asked after enterStage, so
// that a course names the file of its next stage. A file that cannot be read throws base::IoError after
// enterStage, with the cells read so far in the grid.
void beginStage(PlayEngine& engine, const std::function<std::string()>& stagePath);

}  // namespace engine
