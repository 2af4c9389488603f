// Where the labels of a play screen lie and how they look: one table a window, so that the windows'
// differences are data. The game's table is the base; another window changes what differs in its own.
#pragma once

#include <string>

#include "ui/core/ControlStyle.h"
#include "ui/core/Font.h"
#include "ui/core/Geometry.h"

namespace engine {

// One label: its box, its first caption, its font and how it shows them.
struct LabelLook {
    ui::Rect box;
    std::string caption;
    ui::Font font;
    ui::Look look;
};

struct PlayScreenLook {
    std::string caption;   // the window's
    std::string appTitle;  // the task bar's and the message boxes'
    // The play field: the banner's shadow and the banner, each in two lines; the event log and the white
    // strip under it.
    LabelLook moji_l3, moji_l3a, moji_l2, moji_l2a, moji_l, Label5;
    // The status panel beside the field.
    LabelLook Label1;  // title behind the score
    LabelLook point_l, Label2 /* "points" */, high_l, state_l, combo_l, time_l;
    LabelLook play_l;  // caption over the beat animation
    LabelLook try_b;   // the start prompt
    LabelLook Label4;  // how to play
    LabelLook stage_l;

    // The game window's.
    static PlayScreenLook game();
};

}  // namespace engine
