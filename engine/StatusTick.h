// The status tick (Timer2): keeps the records and bounds of the game state, shows them through the status
// view and ends the stage at GAME OVER, CLEAR or ALL CLEAR. The game and the user-stage player each have
// their variant (Rules::status).
#pragma once

#include <functional>
#include <optional>

#include "engine/PlayActions.h"
#include "engine/StatusInputs.h"
#include "engine/StatusView.h"

namespace engine {

class StatusTick {
  public:
    // The shell's routines (either may be empty): saveCommonData writes the shared progress file at ALL
    // CLEAR, showCourses shows the course buttons that the progress opens, at every game status tick.
    StatusTick(PlayActions& play, const std::function<void()>& saveCommonData,
               const std::function<void()>& showCourses)
        : play_(play), saveCommonData_(saveCommonData), showCourses_(showCourses), view_(play) {}

    void run();
    // Whether the ticks keep account of what they read (off at first): then nothingToDo can tell.
    void keepAccount(bool on);
    // Whether a tick now could change nothing: the last one changed nothing it reads, and nothing else has
    // changed it since.
    bool nothingToDo() const;

  private:
    void gameTick();
    void runnerTick();
    // GAME OVER: the ball stops, the field shows as it stands, the lives are set anew for the next run.
    void gameOver();
    void clampRecords();
    void fillHpFromMhp();
    bool fieldHasCountedBlocks() const;
    // CLEAR or ALL CLEAR; true when the tick ends there.
    bool stageCleared();
    // The badges whose conditions hold are kept as earned.
    void earnBadges();

    PlayActions& play_;
    const std::function<void()>& saveCommonData_;
    const std::function<void()>& showCourses_;
    StatusView view_;
    bool accounting_ = false;
    std::optional<StatusInputs> settled_;  // what the last tick left, when it changed nothing
};

}  // namespace engine
