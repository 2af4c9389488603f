// The end of a run: the results and records on the end panel, and the posting file.
#pragma once

#include "engine/GamePlayScreen.h"
#include "engine/GameState.h"
#include "game/EndPanel.h"
#include "game/SaveFiles.h"

namespace game {

class RunEnd {
  public:
    RunEnd(const engine::GameState& state, const SaveFiles& saves, EndPanel& end,
           const engine::GamePlayScreen& play);

    // Shows the end panel with the run's results and the course's records.
    void showResults();
    // Writes the posting file of state.courseNo, quoting the high score as the status panel shows it.
    void writePostingFile();

  private:
    const engine::GameState& state_;
    const SaveFiles& saves_;
    EndPanel& end_;
    const engine::GamePlayScreen& play_;
};

}  // namespace game
