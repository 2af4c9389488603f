// The play field with its banners and event log, and the status panel beside it.
#pragma once

#include "ui/core/Form.h"
#include "ui/core/Image.h"
#include "ui/core/Widgets.h"

namespace game {

struct PlayScreen {
    // Play field ------------------------------------------------------------------------------------
    ui::Image main_box{"main_box", {0, 0, 400, 400}};
    ui::Image main_cg{
        "main_cg", {0, 0, 400, 400}, false};            // hidden picture over the field; passes the mouse on
    ui::Label moji_l3{"moji_l3", {0, 72, 401, 33}};     // shadow of the banner
    ui::Label moji_l3a{"moji_l3a", {0, 136, 401, 33}};  // shadow of the banner's second line
    ui::Label moji_l2{"moji_l2", {0, 70, 400, 39}};     // banner: course, stage title, results
    ui::Label moji_l2a{"moji_l2a", {0, 134, 400, 31}};  // the banner's second line
    ui::Label pause_l{"pause_l", {0, 178, 400, 44}, false};    // "PAUSE" while the play is paused
    ui::Label pause_la{"pause_la", {0, 222, 400, 24}, false};  // and how to go on
    ui::Label moji_l{"moji_l", {0, 400, 401, 25}};             // event log
    ui::Label Label5{"Label5", {0, 416, 401, 12}};             // white strip under the event log
    ui::Label lv_l{"lv_l", {0, 432, 401, 13}};                 // level line at the bottom

    // Status panel ----------------------------------------------------------------------------------
    ui::Label Label1{"Label1", {404, 4, 197, 65}};  // "Your score in This CORSE" behind the score
    ui::Label point_l{"point_l", {404, 24, 193, 29}};
    ui::Label Label2{"Label2", {556, 52, 45, 15}};     // "points" after the score
    ui::Label Label22{"Label22", {404, 72, 197, 13}};  // "HI:" before the high score
    ui::Label high_l{"high_l", {420, 73, 181, 12}};
    ui::Label state_l{"state_l", {404, 88, 197, 129}};
    ui::Gauge mp_l{"mp_l", {544, 92, 53, 9}};
    ui::Gauge hp_l{"hp_l", {428, 104, 169, 21}};
    ui::Label combo_l{"combo_l", {404, 192, 106, 24}};
    ui::Label time_l{"time_l", {404, 220, 197, 25}};
    ui::Label play_l{"play_l", {404, 244, 197, 29}, false};
    ui::Button ok_b{"ok_b", {404, 248, 197, 42}, false};  // starts the next stage
    ui::Label try_b{"try_b", {404, 272, 197, 45}, false};
    ui::Image cg{"cg", {404, 272, 45, 45}, false};
    ui::Button store_b{"store_b", {404, 292, 97, 25}, false};
    ui::Button help_b{"help_b", {504, 292, 97, 25}, false};
    ui::Label Label4{"Label4", {404, 320, 197, 77}};  // how to play
    ui::Button end_b{"end_b", {404, 320, 197, 77}, false};
    ui::Label stage_l{"stage_l", {404, 400, 197, 29}};
    ui::Image Shape1{"Shape1", {404, 432, 197, 13}};  // white frame round the badges
    ui::Image e1{"e1", {408, 432, 69, 13}, false};
    ui::Image e2{"e2", {480, 432, 60, 13}, false};
    ui::Image e3{"e3", {544, 432, 52, 13}, false};

    // Sets the window's caption, colours and default font, then the texts and looks of these controls.
    void layoutPlayScreen(ui::Form& form);
    // Draws the three badges greyed, as not yet earned.
    void drawBadges();
};

}  // namespace game
