// The controls of a play window that the engine's handlers read and write; a window fills in what it has.
#pragma once

#include <array>

#include "ui/core/Image.h"
#include "ui/core/Timer.h"
#include "ui/core/Widgets.h"

namespace engine {

// Pointers into the window that owns the controls. Controls marked "game only" are null in the
// user-stage player; every handler that needs one is a game-only handler.
struct PlayControls {
    ui::Image* main_box = nullptr;  // the 400 x 400 play field
    ui::Label* moji_l = nullptr;    // scrolling event log
    ui::Label* moji_l2 = nullptr;   // banner
    ui::Label* moji_l2a = nullptr;  // banner, second line
    ui::Label* moji_l3 = nullptr;   // banner shadow
    ui::Label* moji_l3a = nullptr;  // second line shadow
    ui::Label* combo_l = nullptr;
    ui::Label* state_l = nullptr;
    ui::Label* time_l = nullptr;
    ui::Label* stage_l = nullptr;
    ui::Label* point_l = nullptr;
    ui::Label* high_l = nullptr;
    ui::Gauge* hp_l = nullptr;
    ui::Gauge* mp_l = nullptr;
    ui::Label* try_b = nullptr;     // start prompt, shown while the ball waits for a serve
    ui::Label* play_l = nullptr;    // caption over the beat animation
    ui::Image* cg = nullptr;        // beat animation picture
    ui::Label* pause_l = nullptr;   // "PAUSE" over the field while the play is paused
    ui::Label* pause_la = nullptr;  // under it, how to go on

    ui::Timer* Timer1 = nullptr;  // ball tick
    ui::Timer* Timer2 = nullptr;  // status tick
    ui::Timer* Timer3 = nullptr;  // event log
    ui::Timer* Timer4 = nullptr;  // combo blink
    ui::Timer* Timer5 = nullptr;  // countdown
    ui::Timer* Timer6 = nullptr;  // beat animation
    ui::Timer* Timer7 = nullptr;  // banner colouring (game only)

    // Game only.
    ui::Label* lv_l = nullptr;
    ui::Label* gold_l = nullptr;
    ui::Label* l2 = nullptr;
    std::array<ui::Image*, 3> badges{};       // e1, e2, e3
    std::array<ui::Button*, 7> toyButtons{};  // item1_b .. item7_b
    ui::Button* ok_b = nullptr;
    ui::Button* end_b = nullptr;
    ui::Panel* start_box = nullptr;
    ui::Panel* end_box = nullptr;  // the run's results
    ui::Button* help_b = nullptr;
    ui::Button* store_b = nullptr;
};

}  // namespace engine
