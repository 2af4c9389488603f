// Choosing a course on the start panel and setting up its run.
#pragma once

#include <cstdint>

#include "engine/GamePlayScreen.h"
#include "engine/GameState.h"
#include "game/SaveFiles.h"
#include "game/StartPanel.h"

namespace engine {
class PlayEngine;
}

namespace game {

class CourseFlow {
  public:
    CourseFlow(engine::GameState& state, engine::PlayEngine& engine, SaveFiles& saves, StartPanel& start,
               engine::GamePlayScreen& play);

    // Picks course n (1..6): starts its run and reads its records.
    void select(std::uint8_t n);
    // Sets the run's start values, leaves the start panel and shows the course's banner.
    void startRun();
    // The hint and rating of course n while the pointer is over its button; clearHint when it leaves.
    void showHint(std::uint8_t n);
    void clearHint();

  private:
    engine::GameState& state_;
    engine::PlayEngine& engine_;
    SaveFiles& saves_;
    StartPanel& start_;
    engine::GamePlayScreen& play_;
};

}  // namespace game
