// The end panel: the run's results and the course records.
#pragma once

#include "ui/core/Font.h"
#include "ui/core/Widgets.h"

namespace game {

struct EndPanel {
    ui::Panel end_box{"end_box", {0, 460, 605, 465}, false};
    ui::Label Label7{"Label7", {16, 28, 573, 17}};     // title bar "YOUR DATA in This CORSE"
    ui::Label Label20{"Label20", {52, 68, 501, 325}};  // white box behind the results
    ui::Label end_corse_l{"end_corse_l", {82, 96, 441, 41}};
    ui::Label clear_l{"clear_l", {188, 144, 0, 0}};
    ui::Label Label3{"Label3", {56, 228, 0, 0}};  // "YOUR SCORE"
    ui::Label end_point_l{"end_point_l", {144, 208, 345, 37}};
    ui::Label Label19{"Label19", {508, 228, 0, 0}};  // "YEN" after the score
    ui::Label Label18{"Label18", {56, 268, 0, 0}};   // "YOUR HI-SCORE"
    ui::Label end_hipoint_l{"end_hipoint_l", {144, 256, 345, 37}};
    ui::Label Label23{"Label23", {508, 268, 0, 0}};  // "YEN" after the high score
    ui::Label Label21{"Label21", {56, 304, 0, 0}};   // "CLEAR STAGE"
    ui::Label end_stage_l{"end_stage_l", {156, 292, 0, 0}};
    ui::Label Label24{"Label24", {56, 340, 0, 0}};  // "MAX COMBO"
    ui::Label end_combo_l{"end_combo_l", {156, 328, 121, 27}};
    ui::Label Label25{"Label25", {284, 340, 0, 0}};  // "HI-MAX COMBO"
    ui::Label end_hi_combo_l{"end_hi_combo_l", {408, 328, 121, 27}};
    ui::Label Label6{"Label6", {56, 428, 0, 0}};  // "ANY CORSE ALL CLEAR 回数"
    ui::Label end_all_l{"end_all_l", {252, 420, 0, 0}};
    ui::Button Button10{"Button10", {404, 420, 193, 37}};  // "ＳＡＶＥ ＡＮＤ GAME END...."

    void layoutEndPanel(const ui::Font& defaultFont);
};

}  // namespace game
