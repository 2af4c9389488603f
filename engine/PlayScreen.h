// The controls every play window shows and the engine plays on: the field with its banners and event log,
// the status panel beside it and the timers. Where the labels lie and how they look is a PlayScreenLook.
#pragma once

#include <initializer_list>
#include <vector>

#include "engine/GameState.h"
#include "engine/PlayScreenLook.h"
#include "engine/Rules.h"
#include "ui/core/Form.h"
#include "ui/core/Image.h"
#include "ui/core/Timer.h"
#include "ui/core/Widgets.h"

namespace engine {

// A window's own controls that lie among the play controls: just above the play control named.
struct StackedAbove {
    const ui::Control* below;
    std::vector<ui::Control*> controls;
};

class PlayScreen {
  public:
    // The labels take their boxes from look.
    explicit PlayScreen(const PlayScreenLook& look);

    // Play field ------------------------------------------------------------------------------------
    ui::Image main_box{"main_box", {0, 0, 400, 400}};
    ui::Label moji_l3{"moji_l3"};                              // shadow of the banner
    ui::Label moji_l3a{"moji_l3a"};                            // shadow of the banner's second line
    ui::Label moji_l2{"moji_l2"};                              // banner: course, stage title, results
    ui::Label moji_l2a{"moji_l2a"};                            // the banner's second line
    ui::Label pause_l{"pause_l", {0, 178, 400, 44}, false};    // "PAUSE" while the play is paused
    ui::Label pause_la{"pause_la", {0, 222, 400, 24}, false};  // and how to go on
    ui::Label moji_l{"moji_l"};                                // event log
    ui::Label Label5{"Label5"};                                // white strip under the event log

    // Status panel ----------------------------------------------------------------------------------
    ui::Label Label1{"Label1"};  // title behind the score
    ui::Label point_l{"point_l"};
    ui::Label Label2{"Label2"};  // "points" after the score
    ui::Label high_l{"high_l"};
    ui::Label state_l{"state_l"};
    ui::Gauge mp_l{"mp_l", {544, 92, 53, 9}};
    ui::Gauge hp_l{"hp_l", {428, 104, 169, 21}};
    ui::Label combo_l{"combo_l"};
    ui::Label time_l{"time_l"};
    ui::Label play_l{"play_l", {}, false};          // caption over the beat animation
    ui::Label try_b{"try_b", {}, false};            // the start prompt
    ui::Image cg{"cg", {404, 272, 45, 45}, false};  // the beat animation
    ui::Label Label4{"Label4"};                     // how to play
    ui::Label stage_l{"stage_l"};

    // Timers (ms) -----------------------------------------------------------------------------------
    ui::Timer Timer1{"Timer1", 50, false};   // ball tick; the rules' interval from start-up on
    ui::Timer Timer2{"Timer2", 10, true};    // status tick
    ui::Timer Timer3{"Timer3", 500, true};   // event log
    ui::Timer Timer4{"Timer4", 150, true};   // combo blink
    ui::Timer Timer5{"Timer5", 1000, true};  // countdown
    ui::Timer Timer6{"Timer6", 1000, true};  // beat animation

    // Sets the window's caption, colours and default font, then the texts and looks of these controls.
    void layOutPlayScreen(ui::Form& form);
    // Adds the controls to the form, the window's own among them, then the timers. Creation order is
    // stacking order: later controls lie on top.
    void stackPlayScreen(ui::Form& form, std::initializer_list<StackedAbove> own,
                         std::initializer_list<ui::Control*> onTop);
    // What a window does at start-up before its first run: the ball and the bar at rest, the banner
    // empty, the field cleared and the ball tick at the rules' pace.
    void startUp(GameState& state, const Rules& rules);

  private:
    PlayScreenLook look_;
};

}  // namespace engine
