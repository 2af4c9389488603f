// The game's play screen: the play controls and what the game adds to them, the picture over the field,
// the level line, the buttons of the status panel, the badges and the banner's colour timer.
#pragma once

#include <initializer_list>

#include "engine/PlayScreen.h"

namespace engine {

class GamePlayScreen : public PlayScreen {
  public:
    GamePlayScreen() : PlayScreen(PlayScreenLook::game()) {}

    ui::Image main_cg{
        "main_cg", {0, 0, 400, 400}, false};           // hidden picture over the field; passes the mouse on
    ui::Label lv_l{"lv_l", {0, 432, 401, 13}};         // level line at the bottom
    ui::Label Label22{"Label22", {404, 72, 197, 13}};  // "HI:" before the high score
    ui::Button ok_b{"ok_b", {404, 248, 197, 42}, false};  // starts the next stage
    ui::Button store_b{"store_b", {404, 292, 97, 25}, false};
    ui::Button help_b{"help_b", {504, 292, 97, 25}, false};
    ui::Button end_b{"end_b", {404, 320, 197, 77}, false};
    ui::Image Shape1{"Shape1", {404, 432, 197, 13}};  // white frame round the badges
    ui::Image e1{"e1", {408, 432, 69, 13}, false};
    ui::Image e2{"e2", {480, 432, 60, 13}, false};
    ui::Image e3{"e3", {544, 432, 52, 13}, false};

    ui::Timer Timer7{"Timer7", 50, true};  // banner colours

    // The play screen's layout, then the texts and looks of the game's own controls.
    void layOutGamePlayScreen(ui::Form& form);
    // Adds every control of the play screen to the form, then the panels over it; then the timers.
    void stackGamePlayScreen(ui::Form& form, std::initializer_list<ui::Control*> panels);
    // Draws the three badges greyed, as not yet earned.
    void drawBadges();
};

}  // namespace engine
