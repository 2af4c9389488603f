// The toy shop: the list of toys held, a toy's details and picture, and the lottery.
#pragma once

#include "engine/GameState.h"
#include "game/ToyPanel.h"
#include "ui/core/Services.h"

namespace engine {
class PlayEngine;
}

namespace game {

class ToyShop {
  public:
    ToyShop(ui::Services& services, engine::GameState& state, engine::PlayEngine& engine, ToyPanel& panel);

    // Shows the toy panel with the toys held.
    void open();
    // Lists the toys held and clears the details.
    void refreshList();
    // The details and picture of the toy selected in the list.
    void showSelected();
    // One draw of the lottery, when the player has the money.
    void draw();

  private:
    ui::Services& services_;
    engine::GameState& state_;
    engine::PlayEngine& engine_;
    ToyPanel& panel_;
};

}  // namespace game
